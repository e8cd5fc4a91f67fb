#pragma once
#include "StartProjectChoice.h"

#include <QString>

class CTessanApp;

// The values the Start Project command and its dialog begin with.
namespace StartProjectDefaults {

// The first "NewProject<n>", n counting from 1, for which <folder>/<name>.cgp
// does not exist.
QString FirstFreeProjectName(const QString& folder);

// What the command hands the dialog: a new project in the folder Project of
// the work folder with the first free name and the one panel and PLC type;
// the open page starts in the open project's folder (the folder Project when
// none has been chosen in this run).
StartProjectChoice Initial(const CTessanApp& app);

} // namespace StartProjectDefaults
