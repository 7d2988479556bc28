// The yardstick for start-up time and memory: a plain Qt Widgets window with
// a menu bar and thirty widgets, built with the same compiler and flags.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Tools"))->addAction(QStringLiteral("&Options"));
    window.menuBar()->addAction(QStringLiteral("&About"));
    auto* central = new QWidget(&window);
    for (int i = 0; i < 30; ++i) {
        QWidget* widget = nullptr;
        switch (i % 5) {
        case 0:
            widget = new QLabel(QStringLiteral("Label %1").arg(i), central);
            break;
        case 1:
            widget = new QPushButton(QStringLiteral("Button %1").arg(i), central);
            break;
        case 2:
            widget = new QRadioButton(QStringLiteral("Option %1").arg(i), central);
            break;
        case 3:
            widget = new QLineEdit(QStringLiteral("%1").arg(i), central);
            break;
        default:
            widget = new QCheckBox(QStringLiteral("Check %1").arg(i), central);
            break;
        }
        widget->setGeometry(10 + (i % 3) * 240, 10 + (i / 3) * 50, 220, 40);
    }
    window.setCentralWidget(central);
    window.resize(736, 554);
    window.show();
    return QApplication::exec();
}
