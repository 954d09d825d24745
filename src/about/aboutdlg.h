#pragma once
// The Help menu's information box: the picture, the product and notice lines,
// and links to the web site and to the support mail address.

#include "about/staticlink.h"

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CStaticLink m_linkWeb;
    CStaticLink m_linkMail;

private:
    void CreateControls();
};
