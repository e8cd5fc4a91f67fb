// qv: the Corvel editor. Everything it shows lives in qvui.
#include "ui/app/EditorApplication.h"

int main(int argc, char** argv)
{
    return CEditorApplication::Run(argc, argv);
}
