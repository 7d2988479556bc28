#pragma once

#include <QMainWindow>

namespace numberlark {

// The main window: the whole quiz happens here.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
};

} // namespace numberlark
