#pragma once

class CTessanApp;

// Compiles the open project into the application's runtime image for a
// transfer, showing its findings and failures through the application's
// messages. False when there is no image to send (failed or stopped).
bool CompileProjectForTransfer(CTessanApp& app);
