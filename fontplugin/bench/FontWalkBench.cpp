// Walking every font of the machine through KWXFonts, as a host program does
// (an iterator object, a FontKWX per font), against fontconfig's own listing
// of the same fonts in the same process.

#include "plugin/PluginLoader.h"

#include <rb/PluginHost.h>

#include <benchmark/benchmark.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>

namespace {

void PluginFontWalk(benchmark::State& state)
{
    std::size_t fonts = 0;
    for (auto _ : state) {
        const rb::Ref<rb::Object> iterator = rb::NewPluginInstance("FontIteratorKWX");
        fonts = 0;
        while (rb::AdoptPluginResult(rb::CallPluginMethod<void*>(iterator, "NextFont as FontKWX")))
            ++fonts;
    }
    state.counters["fonts"] = static_cast<double>(fonts);
}

void FontconfigListing(benchmark::State& state)
{
    std::size_t fonts = 0;
    for (auto _ : state) {
        FcPattern* all = FcPatternCreate();
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, nullptr);
        FcFontSet* listed = FcFontList(FcConfigGetCurrent(), all, objects);
        fonts = 0;
        for (int i = 0; listed != nullptr && i < listed->nfont; ++i) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(listed->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
                ++fonts;
            benchmark::DoNotOptimize(file);
        }
        if (listed != nullptr)
            FcFontSetDestroy(listed);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(all);
    }
    state.counters["fonts"] = static_cast<double>(fonts);
}

BENCHMARK(PluginFontWalk);
BENCHMARK(FontconfigListing);

} // namespace

int main(int argc, char** argv)
{
    rb::LoadPluginsFrom(RB_BUNDLE_DIR "/Plugins");
    if (rb::LoadedPlugins().empty()) {
        std::fprintf(stderr, "bench_kwxfonts: KWXFonts.so not found in " RB_BUNDLE_DIR "/Plugins\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
