#pragma once

#include "ui/about/MemoryPropertyBag.h"
#include "ui/about/URLLink.h"

#include <QDialog>

namespace numberlark {

class FaceAnimation;

// "Version 9.1.1": the numbers in plain decimal with single points between them.
QString versionCaption(int major, int minor, int patch);

// The about window: the program's name and version, the animated face and a
// link to the maker's web page. Not modal; deletes itself when closed.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    // The seams go to the link; empty ones mean the real desktop.
    explicit FrmAbout(URLLink::Opener opener = {}, URLLink::MessageShower dialogs = {},
                      QWidget* parent = nullptr);

    // How the window keeps its link: Text and URL, no ShowToolTip.
    static MemoryPropertyBag storedLinkDescription();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createLabels();
    void createLink(URLLink::Opener opener, URLLink::MessageShower dialogs);
    void Form_Load();

    FaceAnimation* m_faces = nullptr;
    URLLink* m_link = nullptr;
    QLabel* m_versionLabel = nullptr;
};

} // namespace numberlark
