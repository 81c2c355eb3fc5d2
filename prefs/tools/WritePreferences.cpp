// Usage: WritePreferences <file> <ratio> <preferred 0|1> <quiet 0|1>
// Writes a preferences file as the editor's OK does, for scripts that start
// the game with saved preferences ("WritePreferences prefs 0.5 1 1").
#include "PreferencesFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool Flag(const std::string& text, bool& value)
{
    value = text == "1";
    return text == "0" || text == "1";
}

} // namespace

int main(int argc, char** argv)
{
    PreferencesFile::Values values;
    char* end = nullptr;
    if (argc == 5)
        values.ratio = std::strtod(argv[2], &end);
    if (argc != 5 || end == argv[2] || *end != '\0' || !Flag(argv[3], values.preferred) ||
        !Flag(argv[4], values.quiet)) {
        std::fprintf(stderr, "usage: WritePreferences <file> <ratio> <preferred 0|1> <quiet 0|1>\n");
        return 2;
    }
    if (!PreferencesFile::Create(*rb::New<rb::FolderItem>(argv[1]), values)) {
        std::fprintf(stderr, "WritePreferences: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
