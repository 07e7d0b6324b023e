#include "ui/hoofdvenster.h"

#include "entry/groepen.h"
#include "pairing/roosterkeuze.h"
#include "reports/rapport.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/categoriedialoog.h"
#include "ui/groependialoog.h"
#include "ui/helpvenster.h"
#include "ui/instellingendialoog.h"
#include "ui/matrixdialoog.h"
#include "ui/ongedaanacties.h"
#include "ui/overvenster.h"
#include "ui/rapportdialoog.h"
#include "ui/rapportscherm.h"
#include "ui/rondedialoog.h"
#include "ui/roosterdialoog.h"
#include "ui/sorteerscherm.h"
#include "ui/spelerlijst.h"
#include "ui/taaldialoog.h"
#include "ui/tekst.h"
#include "ui/toernooidialoog.h"
#include "ui/wedstrijdlijstdialoog.h"
#include "web/publiceerkeuze.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

namespace {

// The locale of Qt's own translations for a language of the program; none for English, Qt's
// own.
const char* QtTaalcode(lang::Taal t) {
    switch (t) {
    case lang::Taal::Nederlands:
        return "nl";
    case lang::Taal::Frans:
        return "fr";
    case lang::Taal::Engels:
        break;
    }
    return nullptr;
}

void ZetTekst(QLabel* l, const std::string& nieuw, const std::string& oud) {
    if (nieuw != oud || l->text().isEmpty() != nieuw.empty()) l->setText(Q(nieuw));
}

} // namespace

Hoofdvenster::Hoofdvenster(Competitie& c, Gesprek& g, Startopties opties)
    : c_(c), g_(g),
      opties_(std::move(opties)), o_{c,
                                     g,
                                     ini_,
                                     [this](const QString& a, QWidget* v) { ToonHelp(a, v); },
                                     opties_.FMJDLijsten,
                                     false,
                                     opties_.Testopties},
      programma_(c, g) {
    o_.Lijsten = opties_.Lijsten;
    o_.Historie = &historie_;
    if (o_.Lijsten) o_.FMJD64 = o_.Lijsten->FMJD64;
    setObjectName("TForm1");
    setWindowIcon(QIcon(":/velkaro.svg"));
    BouwMenu();
    BouwScherm();
    help_ = std::make_unique<HelpVenster>(o_, opties_.Handleiding, this);
    spelers_ = std::make_unique<SpelerLijstDialoog>(o_, this);
    categorieen_ = std::make_unique<CategorieDialoog>(o_, this);
    groepen_ = std::make_unique<GroepenDialoog>(o_, this);
    instellingen_ = std::make_unique<InstellingenDialoog>(o_, this);
    taal_ = std::make_unique<TaalDialoog>(
        o_, [this] { Vertaal(); }, this);
    toernooi_ = std::make_unique<ToernooiDialoog>(o_, this);
    over_ = std::make_unique<OverVenster>(o_, this);
    rondes_ = std::make_unique<RondeDialoog>(o_, this);
    // The match list's "&Spelers" opens the same register as the main window's command.
    rondes_->Wedstrijdlijst().OpenSpelers = [this] { spelers_->exec(); };
    OpenRooster = [this] { RoosterMaken(); };
    // After a pairing the report dialog shows the new round(s) on "Uitslagen en/of rooster";
    // while that kind cannot be written the pairings are seen in the match list instead.
    NaRooster = [this](int32_t van, int32_t tot) {
        if (SoortBeschikbaar(Rapportsoort::UitslagenEnRooster))
            ToonRapport(Rapportsoort::UitslagenEnRooster, van, tot);
    };
    if (SoortBeschikbaar(Rapportsoort::Deelnemerslijst))
        spelers_->OpenDeelnemerslijst = [this] { ToonRapport(Rapportsoort::Deelnemerslijst); };
    rooster_ = std::make_unique<RoosterDialoog>(o_, this);
    matrix_ = std::make_unique<MatrixDialoog>(o_, this);
    // "&Rooster aanmaken" in the cross table: the schedule of the group, now a round robin.
    matrix_->OpenRooster = [this] { Roosterdialoog(); };
    perRondeMatrix_ = std::make_unique<PerRondeMatrixDialoog>(o_, this);
    sorteren_ = std::make_unique<SorteerDialoog>(o_, this);
    sorteren_->OpenInstellingen = [this] { instellingen_->exec(); };
    scherm_ = std::make_unique<Rapportscherm>(o_, this);
    afdrukken_ = std::make_unique<AfdrukDialoog>(o_, this);
    rapport_ = std::make_unique<RapportDialoog>(o_, *sorteren_, *scherm_, *afdrukken_, this);
    rapport_->OpenToernooigegevens = [this] { toernooi_->exec(); };
    // The idle refresh: a zero timer would spin; a few times a second is enough for the eye.
    klok_ = new QTimer(this);
    klok_->setInterval(250);
    connect(klok_, &QTimer::timeout, this, &Hoofdvenster::Ververs);
    klok_->start();
    Vertaal();
}

Hoofdvenster::~Hoofdvenster() = default;

QAction* Hoofdvenster::Actie(QMenu* menu, const char* naam, QKeySequence sneltoets) {
    auto* a = menu->addAction(QString());
    a->setObjectName(naam);
    if (!sneltoets.isEmpty()) a->setShortcut(sneltoets);
    return a;
}

QToolButton* Hoofdvenster::Knop(QWidget* ouder, const char* naam, QAction* actie) {
    auto* k = new QToolButton(ouder);
    k->setObjectName(naam);
    k->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    k->setIconSize(QSize(28, 28));
    k->setMinimumWidth(84);
    k->setAutoRaise(false);
    if (actie) connect(k, &QToolButton::clicked, actie, &QAction::trigger);
    return k;
}

void Hoofdvenster::BouwMenu() {
    mBestand_ = menuBar()->addMenu(QString());
    mBestand_->setObjectName("mnuBestand");
    aOpenen_ = Actie(mBestand_, "mnuOpenen", QKeySequence("Ctrl+L"));
    aOpslaan_ = Actie(mBestand_, "mnuOpslaan", QKeySequence("Ctrl+S"));
    aNieuw_ = Actie(mBestand_, "mnuNieuw", QKeySequence("Ctrl+N"));
    aPrinter_ = Actie(mBestand_, "mnuPrinter", QKeySequence("Ctrl+P"));
    aTaal_ = Actie(mBestand_, "mnuTaal");
    aExport_ = Actie(mBestand_, "mnuExport");
    aAfsluiten_ = Actie(mBestand_, "mnuAfsluiten", QKeySequence("Ctrl+X"));
    aRecentScheiding_ = mBestand_->addSeparator();
    for (std::size_t i = 0; i < aRecent_.size(); ++i) {
        aRecent_[i] = Actie(mBestand_, ("mnuRecent" + std::to_string(i + 1)).c_str());
        connect(aRecent_[i], &QAction::triggered, this,
                [this, i] { Geopend(programma_.OpenNaam(S(aRecent_[i]->data().toString()))); });
    }

    // "Bewerken": undo and redo of what the match list, the player register, a pairing and
    // the other commands changed, while no dialog is open.
    mBewerken_ = menuBar()->addMenu(QString());
    mBewerken_->setObjectName("mnuBewerken");
    ongedaan_ = new OngedaanActies(this, &historie_, [this] { Ververs(); });
    mBewerken_->addAction(ongedaan_->Ongedaan());
    mBewerken_->addAction(ongedaan_->Opnieuw());
    connect(mBewerken_, &QMenu::aboutToShow, this, [this] {
        historie_.Bij();
        ongedaan_->Werkbij();
    });

    mGegevens_ = menuBar()->addMenu(QString());
    mGegevens_->setObjectName("mnuGegevens");
    aSpelers_ = Actie(mGegevens_, "mnuSpelers");
    aInstellingen_ = Actie(mGegevens_, "mnuInstellingen");
    aCategorieen_ = Actie(mGegevens_, "mnuCategorieen");
    aElo_ = Actie(mGegevens_, "mnuEloOverzetten");
    aToernooi_ = Actie(mGegevens_, "mnuToernooigegevens");

    mWedstrijden_ = menuBar()->addMenu(QString());
    mWedstrijden_->setObjectName("mnuWedstrijden");
    aRooster_ = Actie(mWedstrijden_, "mnuRoosterMaken");
    aUitslagenInvoeren_ = Actie(mWedstrijden_, "mnuUitslagenInvoeren");
    aMatrix_ = Actie(mWedstrijden_, "mnuMatrix");
    aPerRondeMatrix_ = Actie(mWedstrijden_, "mnuPerRondeMatrix");
    aWissen_ = Actie(mWedstrijden_, "mnuWissenUitslagen");
    aHersorteren_ = Actie(mWedstrijden_, "mnuHersorteren");

    mUitvoer_ = menuBar()->addMenu(QString());
    mUitvoer_->setObjectName("mnuUitvoer");
    for (std::size_t i = 0; i < aUitvoer_.size(); ++i)
        aUitvoer_[i] = Actie(mUitvoer_, ("mnuUitvoer" + std::to_string(i)).c_str());
    mUitvoer_->addSeparator();
    aPubliceren_ = Actie(mUitvoer_, "mnuPubliceren");
    aPubliceerNaOpslaan_ = Actie(mUitvoer_, "mnuPubliceerNaOpslaan");
    aPubliceerNaOpslaan_->setCheckable(true);

    mCompetitie_ = menuBar()->addMenu(QString());
    mCompetitie_->setObjectName("mnuCompetitie");
    aWisselen_ = Actie(mCompetitie_, "mnuWisselen");
    aHeropenen_ = Actie(mCompetitie_, "mnuHeropenen");

    mInfo_ = menuBar()->addMenu(QString());
    mInfo_->setObjectName("mnuInfo");
    aHelp_ = Actie(mInfo_, "mnuHelp", QKeySequence(Qt::Key_F1));
    aOver_ = Actie(mInfo_, "mnuOver");

    connect(aOpenen_, &QAction::triggered, this, [this] { Geopend(programma_.Openen()); });
    connect(aOpslaan_, &QAction::triggered, this, [this] { Na(programma_.Opslaan()); });
    connect(aNieuw_, &QAction::triggered, this, [this] { Geopend(programma_.Nieuw()); });
    connect(aExport_, &QAction::triggered, this, [this] { Na(programma_.Exporteren()); });
    connect(aTaal_, &QAction::triggered, this, [this] { taal_->exec(); });
    connect(aAfsluiten_, &QAction::triggered, this, &QWidget::close);
    connect(aSpelers_, &QAction::triggered, this, [this] {
        spelers_->exec();
        Na(true);
    });
    connect(aCategorieen_, &QAction::triggered, this, [this] {
        categorieen_->exec();
        Na(true);
    });
    connect(aPrinter_, &QAction::triggered, this, [this] {
        // The orientation chosen here is the one the next report starts with.
        if (afdrukken_->PrinterInstellen(this))
            c_.Staand = afdrukken_->Printer().pageLayout().orientation() == QPageLayout::Portrait;
    });
    for (std::size_t i = 0; i < aUitvoer_.size(); ++i)
        connect(aUitvoer_[i], &QAction::triggered, this,
                [this, i] { ToonRapport(static_cast<Rapportsoort>(i)); });
    connect(aPubliceren_, &QAction::triggered, this, [this] {
        if (auto map = web::PubliceerMetKeuze(c_, g_, Publiceermap(), Versietekst()))
            BewaarPubliceren(*map, PubliceerNaOpslaan());
        Na(true);
    });
    connect(aPubliceerNaOpslaan_, &QAction::triggered, this,
            [this](bool aan) { BewaarPubliceren(Publiceermap(), aan); });
    programma_.NaOpslaan = [this] {
        if (PubliceerNaOpslaan()) web::PubliceerNaOpslaan(c_, g_, Publiceermap(), Versietekst());
    };
    connect(aInstellingen_, &QAction::triggered, this, [this] {
        instellingen_->exec();
        Na(true);
    });
    connect(aToernooi_, &QAction::triggered, this, [this] {
        toernooi_->exec();
        Na(true);
    });
    connect(aUitslagenInvoeren_, &QAction::triggered, this, [this] { OpenRondes(false); });
    connect(aRooster_, &QAction::triggered, this, &Hoofdvenster::RoosterMaken);
    connect(aMatrix_, &QAction::triggered, this, [this] {
        matrix_->Toon();
        Na(true);
    });
    connect(aPerRondeMatrix_, &QAction::triggered, this, [this] {
        perRondeMatrix_->Toon();
        Na(true);
    });
    connect(aWissen_, &QAction::triggered, this, [this] {
        bool gewist = false;
        {
            Wijzigingsstap stap(&historie_, Stapnaam(T::StapWissenUitslagen));
            gewist = programma_.WisAlleUitslagen();
        }
        Na(gewist);
    });
    connect(aHersorteren_, &QAction::triggered, this, [this] {
        programma_.Hersorteren();
        Na(true);
    });
    connect(aWisselen_, &QAction::triggered, this, [this] {
        groepen_->exec();
        Na(true);
    });
    connect(aHeropenen_, &QAction::triggered, this, [this] {
        // The group read again from its file starts a new history, as any group opened does.
        if (programma_.Heropenen()) historie_.Wis();
        Na(true);
    });
    connect(aHelp_, &QAction::triggered, this, [this] { ToonHelp({}, this); });
    connect(aOver_, &QAction::triggered, this, [this] { over_->exec(); });
}

void Hoofdvenster::BouwScherm() {
    auto* midden = new QWidget(this);
    setCentralWidget(midden);
    QStyle* st = style();

    kAfsluiten_ = Knop(midden, "knopAfsluiten");
    kAfsluiten_->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    connect(kAfsluiten_, &QToolButton::clicked, this, &QWidget::close);
    kWisselen_ = Knop(midden, "knopWisselen", aWisselen_);
    kWisselen_->setIcon(st->standardIcon(QStyle::SP_BrowserReload));

    grpNieuw_ = new QGroupBox(midden);
    grpNieuw_->setObjectName("grpNieuweCompetitie");
    auto* lNieuw = new QHBoxLayout(grpNieuw_);
    kOpslaanN_ = Knop(grpNieuw_, "knopOpslaanNieuw", aOpslaan_);
    kNieuw_ = Knop(grpNieuw_, "knopNieuw", aNieuw_);
    kSpelers_ = Knop(grpNieuw_, "knopSpelers", aSpelers_);
    kInstellingen_ = Knop(grpNieuw_, "knopInstellingen", aInstellingen_);
    kRoosterN_ = Knop(grpNieuw_, "knopRoosterNieuw", aRooster_);
    kOpslaanN_->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    kNieuw_->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    kSpelers_->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    kInstellingen_->setIcon(st->standardIcon(QStyle::SP_FileDialogInfoView));
    kRoosterN_->setIcon(st->standardIcon(QStyle::SP_FileDialogListView));
    for (QToolButton* k : {kOpslaanN_, kNieuw_, kSpelers_, kInstellingen_, kRoosterN_})
        lNieuw->addWidget(k);

    grpBestaand_ = new QGroupBox(midden);
    grpBestaand_->setObjectName("grpBestaandeCompetitie");
    auto* lBestaand = new QHBoxLayout(grpBestaand_);
    kOpenen_ = Knop(grpBestaand_, "knopOpenen", aOpenen_);
    kRoosterB_ = Knop(grpBestaand_, "knopRooster", aRooster_);
    kRonde_ = Knop(grpBestaand_, "knopRonde", aUitslagenInvoeren_);
    kStand_ = Knop(grpBestaand_, "knopStand", aUitvoer_[0]);
    kUitslagen_ = Knop(grpBestaand_, "knopUitslagen");
    connect(kUitslagen_, &QToolButton::clicked, this, [this] { OpenRondes(true); });
    kSnel_ = Knop(grpBestaand_, "knopSnelladen");
    kOpslaanB_ = Knop(grpBestaand_, "knopOpslaan", aOpslaan_);
    kOpenen_->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    kRoosterB_->setIcon(st->standardIcon(QStyle::SP_FileDialogListView));
    kRonde_->setIcon(st->standardIcon(QStyle::SP_ArrowRight));
    kStand_->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    kUitslagen_->setIcon(st->standardIcon(QStyle::SP_DialogApplyButton));
    kSnel_->setIcon(st->standardIcon(QStyle::SP_DirOpenIcon));
    kOpslaanB_->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    connect(kSnel_, &QToolButton::clicked, this,
            [this] { Geopend(programma_.OpenNaam(c_.RecenteBestanden[0])); });
    for (QToolButton* k : {kOpenen_, kRoosterB_, kRonde_, kStand_, kUitslagen_, kSnel_, kOpslaanB_})
        lBestaand->addWidget(k);

    auto* bovenrij = new QHBoxLayout;
    bovenrij->addWidget(kAfsluiten_);
    bovenrij->addWidget(kWisselen_);
    bovenrij->addStretch();
    auto* groepen = new QHBoxLayout;
    groepen->addWidget(grpNieuw_);
    groepen->addWidget(grpBestaand_);
    groepen->addStretch();

    auto label = [midden](const char* naam) {
        auto* l = new QLabel(midden);
        l->setObjectName(naam);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    lblCompetitie_ = label("lblCompetitie");
    QFont groot = lblCompetitie_->font();
    groot.setPointSizeF(groot.pointSizeF() * 1.5);
    groot.setBold(true);
    lblCompetitie_->setFont(groot);
    lblBestand_ = label("lblBestand");
    lblGroepen_ = label("lblGroepen");
    capSpelers_ = label("capSpelers"), valSpelers_ = label("lblSpelers");
    capRondes_ = label("capRondes"), valRondes_ = label("lblRondes");
    capWedstrijden_ = label("capWedstrijden"), valWedstrijden_ = label("lblWedstrijden");
    capSysteem_ = label("capSysteem"), valSysteem_ = label("lblSysteem");
    capSorteer_ = label("capSorteervolgorde"), valSorteer_ = label("lblSorteervolgorde");
    auto* tabel = new QGridLayout;
    tabel->setHorizontalSpacing(24);
    int rij = 0;
    for (auto [cap, val] : {std::pair{capSpelers_, valSpelers_},
                            {capRondes_, valRondes_},
                            {capWedstrijden_, valWedstrijden_},
                            {capSysteem_, valSysteem_},
                            {capSorteer_, valSorteer_}}) {
        QFont vet = val->font();
        vet.setBold(true);
        val->setFont(vet);
        tabel->addWidget(cap, rij, 0);
        tabel->addWidget(val, rij++, 1);
    }
    tabel->setColumnStretch(2, 1);

    auto* paneel = new QFrame(midden);
    paneel->setObjectName("paneel");
    paneel->setFrameShape(QFrame::StyledPanel);
    auto* lPaneel = new QVBoxLayout(paneel);
    lPaneel->addWidget(lblCompetitie_);
    lPaneel->addWidget(lblBestand_);
    lPaneel->addWidget(lblGroepen_);
    lPaneel->addSpacing(8);
    lPaneel->addLayout(tabel);
    lPaneel->addStretch();

    auto* alles = new QVBoxLayout(midden);
    alles->addLayout(bovenrij);
    alles->addLayout(groepen);
    alles->addWidget(paneel, 1);

    const int breedtes[6] = {180, 100, 50, 50, 50, 50};
    for (std::size_t i = 0; i < status_.size(); ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setObjectName(QString("status%1").arg(i));
        status_[i]->setMinimumWidth(breedtes[i] * 6 / 5);
        statusBar()->addWidget(status_[i], i == 5 ? 1 : 0);
    }
    resize(900, 560);
}

void Hoofdvenster::Vertaal() {
    // Qt's standard dialogs follow the language; English needs no translation of them.
    if (qtTeksten_) QCoreApplication::removeTranslator(qtTeksten_.get());
    qtTeksten_.reset();
    if (const char* code = QtTaalcode(lang::HuidigeTaal())) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(QLocale(QString::fromLatin1(code)), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(t.get());
            qtTeksten_ = std::move(t);
        }
    }
    setWindowTitle(Q(T::Velkaro));
    mBestand_->setTitle(Q(T::MnuBestand));
    aOpenen_->setText(Q(T::MnuOpenen));
    aOpslaan_->setText(Q(T::MnuOpslaan));
    aNieuw_->setText(Q(T::MnuNieuw));
    aPrinter_->setText(Q(T::MnuPrinter));
    aTaal_->setText(Q(T::MnuTaal));
    aExport_->setText(Q(T::MnuExport));
    aAfsluiten_->setText(Q(T::MnuAfsluiten));
    mBewerken_->setTitle(Q(T::MnuBewerken));
    ongedaan_->Werkbij();
    mGegevens_->setTitle(Q(T::MnuGegevens));
    aSpelers_->setText(Q(T::MnuSpelers));
    aInstellingen_->setText(Q(T::MnuInstellingen));
    aCategorieen_->setText(Q(T::MnuCategorieen));
    aElo_->setText(Q(T::MnuEloOverzetten));
    aToernooi_->setText(Q(T::MnuToernooigegevens));
    mWedstrijden_->setTitle(Q(T::MnuWedstrijden));
    aRooster_->setText(Q(T::MnuRoosterMaken));
    aUitslagenInvoeren_->setText(Q(T::MnuUitslagenInvoeren));
    aMatrix_->setText(Q(T::MnuMatrix));
    aPerRondeMatrix_->setText(Q(T::MnuPerRondeMatrix));
    aWissen_->setText(Q(T::MnuWissenUitslagen));
    aHersorteren_->setText(Q(T::MnuHersorteren));
    mUitvoer_->setTitle(Q(T::MnuUitvoer));
    const T uitvoer[] = {T::MnuStand,           T::MnuVoortschrijding, T::MnuTegenstanderPerRonde,
                         T::MnuCategorie,       T::MnuUitslagen,       T::MnuAlleRanglijsten,
                         T::MnuDeelnemerslijst, T::MnuGeschiedenis,    T::MnuFMJDTabel};
    for (std::size_t i = 0; i < aUitvoer_.size(); ++i) aUitvoer_[i]->setText(Q(uitvoer[i]));
    aPubliceren_->setText(Q(T::MnuPubliceren));
    aPubliceerNaOpslaan_->setText(Q(T::MnuPubliceerNaOpslaan));
    mCompetitie_->setTitle(Q(T::MnuCompetitie));
    aWisselen_->setText(Q(T::MnuWisselen));
    aHeropenen_->setText(Q(T::MnuHeropenen));
    mInfo_->setTitle(Q(T::MnuInfo));
    aHelp_->setText(Q(T::MnuHelp));
    aOver_->setText(Q(T::MnuOver));

    kAfsluiten_->setText(Q(T::KnpAfsluiten));
    kWisselen_->setText(Q(T::KnpWisselen));
    grpNieuw_->setTitle(Q(T::GrpNieuweCompetitie));
    grpBestaand_->setTitle(Q(T::GrpBestaandeCompetitie));
    kOpslaanN_->setText(Q(T::KnpOpslaan));
    kNieuw_->setText(Q(T::KnpNieuw));
    kSpelers_->setText(Q(T::KnpSpelers));
    kInstellingen_->setText(Q(T::KnpInstellingen));
    kRoosterN_->setText(Q(T::KnpRooster));
    kOpenen_->setText(Q(T::KnpOpenen));
    kRoosterB_->setText(Q(T::KnpRooster));
    kRonde_->setText(Q(T::KnpRonde));
    kStand_->setText(Q(T::KnpStand));
    kUitslagen_->setText(Q(T::KnpUitslagen));
    kOpslaanB_->setText(Q(T::KnpOpslaan));
    kSnel_->setToolTip(Q(T::KnpSnelladenHint));
    capSpelers_->setText(Q(T::LblSpelers));
    capRondes_->setText(Q(T::LblRondes));
    capWedstrijden_->setText(Q(T::LblWedstrijden));
    capSysteem_->setText(Q(T::LblSysteem));
    capSorteer_->setText(Q(T::LblSorteervolgorde));

    for (Dialoog* d : std::initializer_list<Dialoog*>{
             spelers_.get(), categorieen_.get(), groepen_.get(), instellingen_.get(), taal_.get(),
             toernooi_.get(), over_.get(), rondes_.get(), rooster_.get(), matrix_.get(),
             perRondeMatrix_.get(), sorteren_.get(), scherm_.get(), afdrukken_.get(),
             rapport_.get()})
        if (d) d->Vertaal();
    if (help_) help_->Vertaal();
    getoond_ = Panelen{}; // every panel text again in the new language
    Ververs();
}

void Hoofdvenster::Ververs() {
    // A pairing on its worker thread owns the competition until it ends.
    if (rooster_ && rooster_->Bezig()) return;
    const TWedstrijdenlijst* lijst = rondes_ ? rondes_->Wedstrijdlijst().Lijst() : nullptr;
    // A change made without a named step becomes one; another competition or group empties
    // the history.
    historie_.Bij();
    if (ongedaan_) ongedaan_->Werkbij();
    BewaarHerstel(lijst);
    const Panelen p = BerekenPanelen(c_, lijst ? lijst->Aantal() : 0);
    if (p.Venstertitel != getoond_.Venstertitel) setWindowTitle(Q(p.Venstertitel));
    ZetTekst(valSpelers_, p.Spelers, getoond_.Spelers);
    ZetTekst(valRondes_, p.Rondes, getoond_.Rondes);
    ZetTekst(valWedstrijden_, p.Wedstrijden, getoond_.Wedstrijden);
    ZetTekst(valSysteem_, p.Systeem, getoond_.Systeem);
    ZetTekst(valSorteer_, p.Sorteervolgorde, getoond_.Sorteervolgorde);
    capSorteer_->setVisible(p.SorteervolgordeZichtbaar);
    const bool geladen = programma_.Geladen();
    ZetTekst(lblCompetitie_, geladen ? p.Competitie : std::string(), getoond_.Competitie);
    ZetTekst(lblBestand_, geladen ? p.Bestand : std::string(), getoond_.Bestand);
    ZetTekst(lblGroepen_, geladen ? p.Groepen : std::string(), getoond_.Groepen);
    for (std::size_t i = 0; i < status_.size(); ++i)
        ZetTekst(status_[i], p.Status[i], getoond_.Status[i]);
    getoond_ = p;
    if (!geladen) getoond_.Competitie = getoond_.Bestand = getoond_.Groepen = std::string();

    // Commands: those of a loaded competition only once one is loaded; those of the dialogs
    // still to come stay disabled.
    for (QAction* a : {aOpslaan_, aSpelers_, aInstellingen_, aCategorieen_, aElo_, aToernooi_,
                       aRooster_, aWissen_, aHersorteren_, aWisselen_, aHeropenen_,
                       aUitslagenInvoeren_, aMatrix_, aPerRondeMatrix_, aExport_})
        a->setEnabled(geladen);
    aPrinter_->setEnabled(geladen);
    // The reports this program cannot write yet stay in the menu, disabled.
    for (std::size_t i = 0; i < aUitvoer_.size(); ++i)
        aUitvoer_[i]->setEnabled(geladen && SoortBeschikbaar(static_cast<Rapportsoort>(i)));
    aPubliceren_->setEnabled(geladen);
    aPubliceerNaOpslaan_->setEnabled(geladen);
    aPubliceerNaOpslaan_->setChecked(geladen && PubliceerNaOpslaan());
    for (QToolButton* k : {kOpslaanN_, kOpslaanB_, kSpelers_, kInstellingen_, kWisselen_,
                           kRoosterN_, kRoosterB_, kRonde_, kUitslagen_, kStand_})
        k->setEnabled(geladen);

    const auto recent = programma_.RecenteMenu();
    for (std::size_t i = 0; i < aRecent_.size(); ++i) {
        const bool er = i < recent.size();
        aRecent_[i]->setVisible(er);
        if (er && aRecent_[i]->data().toString() != Q(recent[i])) {
            aRecent_[i]->setData(Q(recent[i]));
            aRecent_[i]->setText(Q(recent[i]).replace("&", "&&"));
        }
    }
    aRecentScheiding_->setVisible(!recent.empty());
    const auto snel = programma_.Snelknop();
    kSnel_->setVisible(snel.has_value());
    if (snel) kSnel_->setText(Q(*snel));
}

void Hoofdvenster::BewaarHerstel(const TWedstrijdenlijst* l) {
    // Every completed change reaches the recovery copy at the next idle moment, the match
    // list's results included while it is open.
    herstel_.Bij(l ? l->Werkset() : std::vector<Wedstrijdgegevens>{});
    // The settings file names the competition with a copy at once, so that the next start
    // finds it even when this run never reaches its normal end.
    if (herstel_.Kopie() == herstelInIni_) return;
    herstelInIni_ = herstel_.Kopie();
    ini_.Zet("Bestanden", "Herstel", herstelInIni_);
    ini_.Schrijf(opties_.InstellingenPad);
}

bool Hoofdvenster::HerstelBijStart() {
    const auto naam = ini_.Waarde("Bestanden", "Herstel");
    if (!naam || naam->empty() || !QFile::exists(Q(Herstelbestand(*naam)))) return false;
    return OpenBijStart(*naam);
}

void Hoofdvenster::OpenRondes(bool direct) {
    if (!programma_.Geladen()) return;
    rondes_->ZetDirect(direct);
    rondes_->exec();
    switch (rondes_->GevraagdVerzoek()) {
    case Verzoek::AndereGroep:
        // The open group is written before the other is loaded; the match list of the new
        // group opens once the program is idle again.
        if (KiesGroep(c_, g_, rondes_->GevraagdeGroep()))
            QTimer::singleShot(0, this, [this] { OpenRondes(true); });
        break;
    case Verzoek::Rooster:
        if (OpenRooster) OpenRooster();
        break;
    case Verzoek::Geen:
        break;
    }
    Na(true);
}

void Hoofdvenster::RoosterMaken() {
    if (!programma_.Geladen() || !Voorcontrole(c_, g_)) return;
    Roosterdialoog();
}

void Hoofdvenster::Roosterdialoog() {
    {
        // The pairing, with the marks set in the dialog, is one step, however many matches it
        // replaced.
        Wijzigingsstap stap(&historie_, Stapnaam(T::StapRoosterkeuze));
        rooster_->exec();
        const auto& r = rooster_->Resultaat();
        if (r && r->Gelukt())
            stap.Noem(Stapnaam(T::StapRooster, r->VanRonde == r->TotRonde
                                                   ? std::to_string(r->VanRonde)
                                                   : std::to_string(r->VanRonde) + "-" +
                                                         std::to_string(r->TotRonde)));
    }
    Na(true);
    const auto& r = rooster_->Resultaat();
    if (r && r->Gelukt() && NaRooster) NaRooster(r->VanRonde, r->TotRonde);
}

void Hoofdvenster::Na(bool) {
    Ververs();
}

void Hoofdvenster::Geopend(bool gelukt) {
    // A competition opened (the same one again too) starts a new history.
    if (gelukt) historie_.Wis();
    Na(gelukt);
}

void Hoofdvenster::ToonRapport(Rapportsoort soort, std::optional<int32_t> van,
                               std::optional<int32_t> tot) {
    if (!programma_.Geladen()) return;
    rapport_->Toon(soort, van, tot);
    Na(true);
}

void Hoofdvenster::ToonHelp(const QString& anker, QWidget* vanuit) {
    if (help_) help_->Toon(anker, vanuit);
}

void Hoofdvenster::Start() {
    ini_ = Ini::Lees(opties_.InstellingenPad);
    if (!opties_.Werkmap.empty()) c_.Werkmap = opties_.Werkmap;
    HerstelPlaatsing(this, ini_, "TForm1");
    programma_.LeesInstellingen(ini_);
    Vertaal();
    show();
}

namespace {
constexpr const char* kPubliceren = "Publiceren";
}

std::string Hoofdvenster::Publiceermap() const {
    return ini_.Waarde(kPubliceren, c_.Bestandsnaam).value_or("");
}

bool Hoofdvenster::PubliceerNaOpslaan() const {
    return ini_.Getal(kPubliceren, c_.Bestandsnaam + "|na").value_or(0) != 0;
}

void Hoofdvenster::BewaarPubliceren(const std::string& map, bool naOpslaan) {
    if (!c_.Geladen()) return;
    ini_.Zet(kPubliceren, c_.Bestandsnaam, map);
    ini_.Zet(kPubliceren, c_.Bestandsnaam + "|na", naOpslaan ? 1 : 0);
    ini_.Schrijf(opties_.InstellingenPad);
}

bool Hoofdvenster::OpenBijStart(const std::string& naam) {
    const bool gelukt = programma_.OpenNaam(naam);
    Geopend(gelukt);
    return gelukt;
}

void Hoofdvenster::closeEvent(QCloseEvent* e) {
    if (!programma_.Afsluiten()) {
        e->ignore();
        return;
    }
    // A normal end: the competition is saved, so its recovery copy goes (one whose save failed
    // stays for the next start).
    BewaarHerstel(nullptr);
    ini_.Zet("Bestanden", "Herstel", herstel_.Kopie());
    BewaarPlaatsing(this, ini_, "TForm1");
    programma_.SchrijfInstellingen(ini_);
    const auto r = ini_.Schrijf(opties_.InstellingenPad);
    if (!r.Ok())
        g_.Melding(lang::Tekst(T::InstellingenNietBewaard) + ": " + r.Pad +
                       (r.Detail.empty() ? "" : " (" + r.Detail + ")"),
                   lang::Tekst(T::Waarschuwing), Pictogram::Waarschuwing);
    if (help_) help_->hide();
    e->accept();
}

} // namespace velkaro::ui
