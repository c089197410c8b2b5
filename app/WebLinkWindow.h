// A window carrying the maker's links: the promotional link labels, the web
// entries of the Help menu, Donate and Make Money Online. The main and the
// result window carry the same ones, under the same names, and handle them alike.
#pragma once

#include "LinkLabel.h"

#include <QAction>
#include <QMainWindow>

namespace horavela {

class WebLinkWindow : public QMainWindow {
    Q_OBJECT

protected:
    using QMainWindow::QMainWindow;

    // Ties the window's controls, as its .ui file names them, to the handlers below.
    template <typename Ui> void connectWebLinks(const Ui& ui) {
        connect(ui.Label61, &LinkLabel::clicked, this, &WebLinkWindow::Label61_Click);
        connect(ui.lblFullBrand, &LinkLabel::clicked, this, &WebLinkWindow::lblFullBrand_Click);
        connect(ui.lblCobrand, &LinkLabel::clicked, this, &WebLinkWindow::lblCobrand_Click);
        connect(ui.mnuOnline, &QAction::triggered, this, &WebLinkWindow::mnuOnline_Click);
        connect(ui.mnuVisit, &QAction::triggered, this, &WebLinkWindow::mnuVisit_Click);
        connect(ui.mnuUpdate, &QAction::triggered, this, &WebLinkWindow::mnuUpdate_Click);
        connect(ui.mnuAbout, &QAction::triggered, this, &WebLinkWindow::mnuAbout_Click);
        connect(ui.mnuDonate, &QAction::triggered, this, &WebLinkWindow::mnuDonate_Click);
        connect(ui.mkmoney, &QAction::triggered, this, &WebLinkWindow::mkmoney_Click);
    }

private slots:
    void Label61_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
};

} // namespace horavela
