#pragma once
// The host's callbacks, each looked up by name through the resolver on first
// use. A callback the host does not give makes its call do nothing and return
// null or false; it is asked for again at the next use.

#include <rb/PluginABI.h>

namespace kwx {

// Stored once, by the entry point.
void SetResolver(RbResolver resolver);
// The resolver's answer for name, asked every time (null without a resolver).
void* Resolve(const char* name);

void RegisterClass(const RbClassDefinition* record);
void RegisterClassExtension(const RbClassDefinition* record);
void RegisterMethod(const RbMethodRecord* record);
RbHostObject* NewInstance(const char* className);
RbHostString* BuildString(const void* bytes, uint32_t count);
void SetStringEncoding(RbHostString* string, uint32_t encoding);
RbHostString* ConvertString(RbHostString* string, uint32_t encoding);
void UnlockString(RbHostString* string);
RbHostObject* FolderItemFromFSSpec(const FSSpec* spec);
bool FSSpecFromFolderItem(FSSpec* spec, RbHostObject* file);

} // namespace kwx
