// Whole editing sessions: the editor's model walked at random through the
// commands a user has (screens, objects with their forms, keys, alarms,
// devices, saving, reopening, compiling, transfers, autosave and a kill), each
// step followed by the checks of what must always hold (CSessionWorld).
#include "session/SessionWorld.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace {

void EnsureApplication()
{
    // Made once and never destroyed: the process ends with it.
    static QApplication* app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_session";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    // A run prints how often each operation ran.
    std::atexit([] {
        if (!qEnvironmentVariableIsSet("FUZZ_SESSION_COUNTS"))
            return;
        for (int op = 0; op < CSessionWorld::OpCount; ++op)
            std::fprintf(stderr, "%-18s %lld\n", CSessionWorld::OpName(op),
                         CSessionWorld::RunCount(op));
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnsureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 2048)
        return 0;
    EnsureApplication();
    CFuzzBytes in(data, size);
    CSessionWorld world(in);
    while (world.Step()) {}
    return 0;
}
