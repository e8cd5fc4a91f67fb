#pragma once

class CTessanApp;
class ICompileReporter;

// A compilation of the open project on the calling thread, for callers that
// have no progress dialog (qv-cli download, qv-cli compile): the stop flag is
// reset first, the runtime image lands in app.runtimeImage with the saved
// state it stands for. Output lines go to `reporter` when given.
// True when the compilation ran to its end (warnings do not fail it).
bool CompileProjectForTransfer(CTessanApp& app, ICompileReporter* reporter = nullptr);
