// libpelmora.so: the Russian user interface of the editor. The library holds no code of its own
// beyond this export; its translation is a Qt resource that registers itself when the editor
// loads the library.

// Tells a caller which language the library carries: 1 for Russian. The argument is unused.
extern "C" __attribute__((visibility("default"))) int GetLangName(void* /*unused*/)
{
    return 1;
}
