#include "ui/helpvenster.h"

#include "ui/tekst.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

QString ZoekHandleiding() {
    const QString naam = "handleiding.html";
    QStringList plaatsen;
    const QString env = qEnvironmentVariable("VELKARO_HELP");
    if (!env.isEmpty()) plaatsen << env;
    const QString bin = QCoreApplication::applicationDirPath();
    plaatsen << bin + "/../share/velkaro/docs/" + naam << bin + "/docs/" + naam;
#ifdef VELKARO_BRONMAP
    plaatsen << QString(VELKARO_BRONMAP) + "/docs/" + naam;
#endif
    for (const QString& p : plaatsen)
        if (QFileInfo(p).isFile()) return QFileInfo(p).absoluteFilePath();
    return {};
}

HelpVenster::HelpVenster(Omgeving& o, QString pad, QWidget* ouder)
    : QDialog(ouder), o_(o), pad_(std::move(pad)) {
    setObjectName("THelp");
    setWindowFlag(Qt::Window);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);
    inhoud_ = new QPushButton(this);
    inhoud_->setObjectName("knopInhoud");
    terug_ = new QPushButton(this);
    terug_->setObjectName("knopTerug");
    connect(inhoud_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(terug_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, terug_, &QPushButton::setEnabled);
    terug_->setEnabled(false);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(inhoud_);
    knoppen->addWidget(terug_);
    knoppen->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addLayout(knoppen);
    l->addWidget(browser_);
    resize(760, 600);
    if (!pad_.isEmpty())
        browser_->setSource(QUrl::fromLocalFile(pad_));
    else
        browser_->setHtml("<p>" + Q(T::HlpNietGevonden).toHtmlEscaped() + "</p>");
    Vertaal();
}

void HelpVenster::Vertaal() {
    setWindowTitle(Q(T::HlpTitel));
    inhoud_->setText(Q(T::HlpInhoud));
    terug_->setText(Q(T::HlpTerug));
}

void HelpVenster::Toon(const QString& anker, QWidget* vanuit) {
    // A window over a modal dialog must belong to it, or the dialog would block it.
    if (vanuit && parentWidget() != vanuit) {
        const bool zichtbaar = isVisible();
        setParent(vanuit, windowFlags() | Qt::Window);
        if (zichtbaar) hide();
    }
    if (!pad_.isEmpty()) {
        QUrl url = QUrl::fromLocalFile(pad_);
        if (!anker.isEmpty()) url.setFragment(anker);
        browser_->setSource(url);
    }
    if (!isVisible()) HerstelPlaatsing(this, o_.Instellingen, "THelp");
    show();
    raise();
    activateWindow();
}

void HelpVenster::hideEvent(QHideEvent* e) {
    BewaarPlaatsing(this, o_.Instellingen, "THelp");
    QDialog::hideEvent(e);
}

} // namespace velkaro::ui
