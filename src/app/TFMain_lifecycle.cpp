// Start-up, shutdown and the language switch of the main window.
#include "app/TFMain.h"

#include <QComboBox>

void TFMain::FormCreate()
{
    setWindowTitle(QStringLiteral("TRV630-PC [STANDARD] - 1.13"));
}

bool TFMain::FormClose()
{
    return true;
}

void TFMain::siLangCombo1Change()
{
    setPanelText(1, QString());
    setPanelText(0, QString());
}
