#include "shell/windows/zarnMainMenuHelpForm.h"

#include "shell/windows/windowregistry.h"

namespace zarn {

namespace {
const char *const kHelpText =
    "SETUP PROBLEMS:  If you receive a message when trying to run the crop models "
    "such as 'wdbos.386 not loaded', the crop model's driver file is not known to "
    "the system. The file wdbos.386 is delivered in the \\system\\ directory of the "
    "program. Add its full path as a device= line to the [386enh] section of the "
    "file system.ini, for example\r\n\r\n"
    "    [386enh]\r\n"
    "    device=C:\\ZARN\\SYSTEM\\WDBOS.386\r\n\r\n"
    "then save system.ini and restart the computer before running the crop models "
    "again.\r\n\r\n"
    "The crop model reads its inputs from, and writes its outputs OUT1.SG to OUT5.SG "
    "into, the crop-model directory WINCERES of the program directory. Use "
    "\"Crop Production Models\" in the main working window to prepare the inputs and "
    "run it.";
}

zarnMainMenuHelpForm::zarnMainMenuHelpForm() {
    ui.setupUi(this);
    // The help is a single page: there is nothing to page back or forward to.
    ui.zarnMainMenuHelpBackButton->setEnabled(false);
    ui.zarnMainMenuHelpNextButton->setEnabled(false);
    ui.zarnMainMenuHelpText->setPlainText(QString::fromLatin1(kHelpText).replace("\r\n", "\n"));
}

ZARN_REGISTER_WINDOW(zarnMainMenuHelpForm)

} // namespace zarn
