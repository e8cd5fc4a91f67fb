// qv: the Corvel editor. Everything it shows lives in qvui.
#include "base/ProgramInfo.h"
#include "ui/app/EditorApplication.h"

namespace {

const char* kHelp =
    "Usage: qv [FILE.cgp]\n"
    "The Corvel editor: builds projects for the RU03 operator panel, compiles them\n"
    "and transfers them to the panel.\n"
    "\n"
    "With FILE.cgp the editor opens that project package. One editor runs per\n"
    "user: a later start hands its file to the running editor, which comes to\n"
    "the front, and ends.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and end\n"
    "      --version  show the program's version and end\n";

} // namespace

int main(int argc, char** argv)
{
    // Answered before the window system or the running editor is reached.
    if (const int code = ProgramInfo::Answer(argc, argv, "qv", kHelp); code >= 0)
        return code;
    return CEditorApplication::Run(argc, argv);
}
