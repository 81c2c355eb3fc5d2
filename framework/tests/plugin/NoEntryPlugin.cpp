// A shared object of the tests with no entry point: the host must skip it.
extern "C" __attribute__((visibility("default"))) int PluginMainMisspelled()
{
    return 0;
}
