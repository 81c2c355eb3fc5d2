#pragma once
/*
 * The binary interface between the framework (the host) and its plug-ins.
 * Plain C: the host and every plug-in include this header, nothing else of
 * the framework.
 *
 * Words. Every field of every record below is one machine word (uintptr_t),
 * pointers and function pointers included: a plug-in stores a function as
 * (uintptr_t)&Function and a string as (uintptr_t)"text". A record's field
 * stands at a fixed word index; reserved words are 0.
 *
 * Ownership. A record that a plug-in registers stays the plug-in's: it lives
 * in the plug-in's static storage for as long as the plug-in is loaded, and the
 * host copies what it needs at registration. A host string or host object that
 * a callback or a plug-in method returns carries one reference, which passes
 * to the receiver. Strings and objects passed into a plug-in function are
 * borrowed for the length of the call: the plug-in neither keeps nor releases
 * them. The only reference a plug-in releases itself is a string's, through
 * REALUnlockString.
 *
 * Threads. The host calls the entry point and every plug-in function on its
 * one main thread; callbacks must be called on that thread too.
 */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The 70-byte file specifier of platform/MacTypes.h; opaque here. */
struct FSSpec;

/* The version every record carries, and that RegisterPluginVersion takes. */
#define RB_PLUGIN_RECORD_VERSION 9

/* A Boolean crosses the interface as one byte: the host passes 0 or 1, and
 * any non-zero byte it receives means true. */
typedef unsigned char RbBoolean;

/*
 * Host object: an instance of a registered class, or the host's file object
 * ("folderitem"). The plug-in holds it by pointer; the pointer stays the same
 * for the object's whole life. Its first 24 bytes are the host's, never to be
 * read or written by a plug-in. For an instance of a registered class the
 * plug-in's instance data follows at RB_INSTANCE_DATA_OFFSET: as many bytes as
 * the class definition record declares, zeroed before the constructor runs.
 * A file object has no instance data.
 */
#define RB_INSTANCE_DATA_OFFSET 24
typedef struct RbHostObject {
    uintptr_t hostWords[3];
} RbHostObject;

static inline void* RbInstanceData(RbHostObject* object)
{
    return (unsigned char*)object + RB_INSTANCE_DATA_OFFSET;
}

/*
 * Host string: word 1 points to the text as a length-prefixed run (one length
 * byte, then that many bytes, as a Str255). The run holds at most 255 bytes: a
 * longer string shows its first 255 there while the host keeps all of its
 * bytes. The run stays valid, unchanged, while the string lives. Word 0, and
 * whatever the host keeps after word 1, are the host's.
 */
typedef struct RbHostString {
    uintptr_t hostWord0;
    uintptr_t text;          /* const unsigned char*: length byte, then bytes */
} RbHostString;

/* Text encodings that tag host strings. */
#define RB_ENCODING_MAC_ROMAN 0x00000000u
#define RB_ENCODING_ASCII     0x00000600u
#define RB_ENCODING_UTF16     0x00000100u  /* big-endian unless a byte-order mark says otherwise */
#define RB_ENCODING_UTF32     0x0C000100u  /* big-endian unless a byte-order mark says otherwise */
#define RB_ENCODING_UTF8      0x08000100u
#define RB_ENCODING_NONE      0x0000FFFFu  /* raw bytes, no text */

/*
 * Function words. A constructor and a destructor take the host object. A
 * method's function takes the host object first when it is an instance or
 * extension method, then the declared parameters in order: an "integer" is an
 * int32_t, a "boolean" an RbBoolean, a "string" an RbHostString* (null for
 * nil), a "folderitem" or a class an RbHostObject* (null for nil), a "byref
 * ... as integer" an int32_t*. A declaration without "as" returns nothing; an
 * "integer" result is an int32_t; a "string", "folderitem" or class result is
 * a new host reference, or null for nil. A property getter takes the host
 * object and returns its property's type.
 */
typedef void (*RbObjectHook)(RbHostObject* object);

/* Method record, 4 words; the records of one table lie back to back. */
typedef struct RbMethodRecord {
    uintptr_t function;      /* word 0: the plug-in function; never 0 */
    uintptr_t reserved1;
    uintptr_t declaration;   /* word 2: const char*, NUL-terminated: "Add(amount as integer) as integer" */
    uintptr_t reserved3;
} RbMethodRecord;

/* The getter word that asks for the host's standard getter: the property's
 * value is the int32_t stored in the instance data at the value offset. Only
 * "Integer" properties use it, and the value must lie inside the instance
 * data. */
#define RB_STANDARD_GETTER (~(uintptr_t)0)

/* Property record, 10 words, back to back. Properties are read-only. */
typedef struct RbPropertyRecord {
    uintptr_t reserved0;
    uintptr_t name;          /* word 1: const char*, NUL-terminated */
    uintptr_t type;          /* word 2: const char*: "Integer", "String" or "Folderitem" */
    uintptr_t reserved3;
    uintptr_t getter;        /* word 4: the plug-in's getter, or RB_STANDARD_GETTER */
    uintptr_t setter;        /* word 5: 0 */
    uintptr_t valueOffset;   /* word 6: bytes into the instance data, with the standard getter */
    uintptr_t reserved7[3];
} RbPropertyRecord;

/*
 * Class definition record, 32 words. A class extension record has the same
 * layout: the version, the name of the host class it extends ("folderitem")
 * and a method table; its methods receive the host's object of that class
 * first. All other words 0.
 */
typedef struct RbClassDefinition {
    uintptr_t version;            /* word 0: RB_PLUGIN_RECORD_VERSION */
    uintptr_t name;               /* word 1: const char*, NUL-terminated; never 0 */
    uintptr_t reserved2;
    uintptr_t instanceDataSize;   /* word 3: bytes */
    uintptr_t reserved4;
    uintptr_t constructor;        /* word 5: RbObjectHook, or 0 */
    uintptr_t destructor;         /* word 6: RbObjectHook, or 0; runs once, when the last reference goes */
    uintptr_t properties;         /* word 7: const RbPropertyRecord*, or 0 */
    uintptr_t propertyCount;      /* word 8 */
    uintptr_t methods;            /* word 9: const RbMethodRecord*, or 0 */
    uintptr_t methodCount;        /* word 10 */
    uintptr_t reserved11[12];
    uintptr_t sharedMethods;      /* word 23: const RbMethodRecord* of the class-level methods, or 0 */
    uintptr_t sharedMethodCount;  /* word 24 */
    uintptr_t reserved25[7];
} RbClassDefinition;

/* The host rejects, with one line on standard error, a record whose version is
 * not RB_PLUGIN_RECORD_VERSION, whose name is null, whose counts exceed this or
 * point at no table, or that holds a method with no function or declaration;
 * the rest of the registration goes on. */
#define RB_PLUGIN_MAX_TABLE_COUNT 1024

/*
 * Host callbacks, reached by name through the resolver (the name of each type
 * without "Rb" and "Fn": "RegisterPluginVersion", "REALBuildString" ...).
 */

/* Once, first, from the entry point. */
typedef void (*RbRegisterPluginVersionFn)(int32_t version);
/* Registrations; a bad record is rejected and the call returns normally. */
typedef void (*RbPluginRegisterClassFn)(const RbClassDefinition* record);
typedef void (*RbPluginRegisterClassExtensionFn)(const RbClassDefinition* record);
/* A global method; its key is its declaration. */
typedef void (*RbPluginRegisterMethodFn)(const RbMethodRecord* record);
/* A new instance of a registered class, its constructor run; null for a name
 * that no class bears. */
typedef RbHostObject* (*RbPluginNewInstanceFn)(const char* className);

/* A new string holding a copy of the bytes, tagged RB_ENCODING_NONE; null when
 * bytes is null and count is not 0. */
typedef RbHostString* (*RbREALBuildStringFn)(const void* bytes, uint32_t count);
/* Tags the string; its bytes stay as they are. */
typedef void (*RbREALSetStringEncodingFn)(RbHostString* string, uint32_t encoding);
/* A new string holding the text in the given encoding; null when the string's
 * bytes are not valid in its own encoding, or cannot be written in the new
 * one, or either encoding is unknown or RB_ENCODING_NONE. */
typedef RbHostString* (*RbREALConvertStringFn)(RbHostString* string, uint32_t encoding);
/* Releases one reference. */
typedef void (*RbREALUnlockStringFn)(RbHostString* string);

/* A new file object for the file that spec names; null when the spec names
 * no file the host can reach. */
typedef RbHostObject* (*RbFolderItemFromFSSpecFn)(const struct FSSpec* spec);
/* Fills *spec for a file object; false, *spec untouched, for a null or
 * foreign object or a file that no FSSpec can name (a name over 63 bytes). */
typedef RbBoolean (*RbREALFSSpecFromFolderItemFn)(struct FSSpec* spec, RbHostObject* file);

/* The host's resolver: the callback of that name, or null for a name the host
 * does not know. The functions it gives stay valid for the life of the
 * process. */
typedef void* (*RbResolver)(const char* name);

/* The one symbol a plug-in exports, visible even when the plug-in is built
 * with hidden visibility. The host calls it once, after loading. */
#define RB_PLUGIN_EXPORT __attribute__((visibility("default")))
typedef void (*RbPluginMainFn)(RbResolver resolver);
RB_PLUGIN_EXPORT void REALPluginMain(RbResolver resolver);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(RbMethodRecord) == 4 * sizeof(uintptr_t), "a method record is 4 words");
static_assert(sizeof(RbPropertyRecord) == 10 * sizeof(uintptr_t), "a property record is 10 words");
static_assert(sizeof(RbClassDefinition) == 32 * sizeof(uintptr_t), "a class definition record is 32 words");
static_assert(offsetof(RbClassDefinition, instanceDataSize) == 3 * sizeof(uintptr_t), "instance data size is word 3");
static_assert(offsetof(RbClassDefinition, constructor) == 5 * sizeof(uintptr_t), "constructor is word 5");
static_assert(offsetof(RbClassDefinition, methodCount) == 10 * sizeof(uintptr_t), "method count is word 10");
static_assert(offsetof(RbClassDefinition, sharedMethods) == 23 * sizeof(uintptr_t), "shared methods are word 23");
static_assert(offsetof(RbPropertyRecord, getter) == 4 * sizeof(uintptr_t), "the getter is word 4");
static_assert(offsetof(RbPropertyRecord, valueOffset) == 6 * sizeof(uintptr_t), "the value offset is word 6");
static_assert(offsetof(RbHostString, text) == sizeof(uintptr_t), "a host string's text is word 1");
static_assert(sizeof(RbHostObject) == RB_INSTANCE_DATA_OFFSET, "instance data begins 24 bytes in");
#endif
