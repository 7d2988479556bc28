#include "ui/main/Form1.h"

#include "ui/common/Artwork.h"

#include <QMenuBar>

namespace numberlark {

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Number Lark"));
    setWindowIcon(windowIcon());
    menuBar()->addMenu(QStringLiteral("&File"));
    menuBar()->addMenu(QStringLiteral("&Tools"));
    menuBar()->addAction(QStringLiteral("&About"));
    resize(736, 554);
}

} // namespace numberlark
