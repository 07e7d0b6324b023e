#include "ui/rapportdialoog.h"

#include "model/systeem.h"
#include "reports/kader.h"
#include "reports/rapport.h"
#include "storage/competitiebestand.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/rapportscherm.h"
#include "ui/sorteerscherm.h"
#include "ui/tekst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <QElapsedTimer>

#include <algorithm>
#include <tuple>

namespace velkaro::ui {

using lang::T;
using A = Afdrukopties;

namespace {

// Shows the step names of a standings computation in a label, at most ten redraws a second,
// the last name always; the computation runs on and never waits for the screen.
class StapVoortgang final : public Voortgang {
public:
    explicit StapVoortgang(QLabel* label) : label_(label) { klok_.start(); }
    ~StapVoortgang() override { label_->setText(laatste_); }
    void Status(const std::string& tekst) override {
        laatste_ = QString::fromStdString(tekst);
        if (klok_.elapsed() < 100 && getoond_) return;
        label_->setText(laatste_);
        label_->repaint();
        getoond_ = true;
        klok_.restart();
    }
    void Regel(const std::string&) override {}
    void Teller(long long) override {}

private:
    QLabel* label_;
    QElapsedTimer klok_;
    QString laatste_;
    bool getoond_ = false;
};

// The "Afdrukken van" boxes in the order of the dialog, with their texts.
const std::array<std::tuple<bool A::*, const char*, T>, 18> kVakjes = {{
    {&A::VorigeNotering, "chkVorigeNotering", T::RgVorigeNotering},
    {&A::Matrix, "chkMatrix", T::RgMatrix},
    {&A::Statistiek, "chkStatistiek", T::RgStatistiek},
    {&A::Plaats, "chkPlaats", T::RgPlaats},
    {&A::Categorie, "chkCategorie", T::RgCategorie},
    {&A::Kleurverhouding, "chkKleurverhouding", T::RgKleurverhouding},
    {&A::Totaalgegevens, "chkTotaalgegevens", T::RgTotaalgegevens},
    {&A::Uitslagen, "chkUitslagen", T::RgUitslagen},
    {&A::VolgendeRonde, "chkVolgendeRonde", T::RgVolgendeRonde},
    {&A::KleurPerSpeler, "chkKleurPerSpeler", T::RgKleurPerSpeler},
    {&A::Lotingnummer, "chkLotingnummer", T::RgLotingnummer},
    {&A::Rating, "chkRating", T::RgRating},
    {&A::Toernooigegevens, "chkToernooigegevens", T::RgToernooigegevens},
    {&A::FMJDInfo, "chkFMJDInfo", T::RgFMJDInfo},
    {&A::FMJDTitel, "chkFMJDTitel", T::RgFMJDTitel},
    {&A::NatTitel, "chkNatTitel", T::RgNatTitel},
    {&A::Land, "chkLand", T::RgLand},
    {&A::TweedeRating, "chkTweedeRating", T::RgTweedeRating},
}};

// A font-name list that keeps a name the system does not have, so that what the competition
// holds is never replaced unasked.
QComboBox* Fontlijst(QWidget* ouder, const char* naam, bool vast) {
    auto* c = new QComboBox(ouder);
    c->setObjectName(naam);
    c->setEditable(true);
    for (const QString& f : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(f) == vast) c->addItem(f);
    c->setMinimumContentsLength(16);
    return c;
}

} // namespace

RapportDialoog::RapportDialoog(Omgeving& o, SorteerDialoog& sorteren, Rapportscherm& scherm,
                               AfdrukDialoog& afdrukken, QWidget* ouder)
    : Dialoog(o, "TVKRang", "rapporten", ouder), sorteren_(sorteren), scherm_(scherm),
      afdrukken_(afdrukken), uitvoer_(o.G) {
    auto knop = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        return k;
    };
    auto vakje = [this](const char* naam) {
        auto* k = new QCheckBox(this);
        k->setObjectName(naam);
        return k;
    };
    auto radio = [this](const char* naam) {
        auto* k = new QRadioButton(this);
        k->setObjectName(naam);
        return k;
    };
    auto getal = [this](const char* naam, int van, int tot) {
        auto* s = new QSpinBox(this);
        s->setObjectName(naam);
        s->setRange(van, tot);
        return s;
    };
    auto groep = [this](const char* naam) {
        auto* g = new QGroupBox(this);
        g->setObjectName(naam);
        return g;
    };

    // Output.
    grpUitvoer_ = groep("grpUitvoer");
    knopPrint_ = knop("knopPrint");
    knopSetup_ = knop("knopSetupPrinter");
    knopScherm_ = knop("knopBeeldscherm");
    knopDisk_ = knop("knopDisk");
    knopFont_ = knop("knopFont");
    chkGeformatteerd_ = vakje("chkGeformatteerd");
    cbVastFont_ = Fontlijst(this, "cbVastFont", true);
    cbOpmaakFont_ = Fontlijst(this, "cbOpmaakFont", false);
    lblVastFont_ = new QLabel(this);
    lblOpmaakFont_ = new QLabel(this);
    rbStaand_ = radio("rbStaand");
    rbLiggend_ = radio("rbLiggend");
    auto* lUitvoer = new QGridLayout(grpUitvoer_);
    lUitvoer->addWidget(knopPrint_, 0, 0);
    lUitvoer->addWidget(knopSetup_, 0, 1);
    lUitvoer->addWidget(knopScherm_, 1, 0);
    lUitvoer->addWidget(knopDisk_, 1, 1);
    lUitvoer->addWidget(chkGeformatteerd_, 2, 0, 1, 2);
    lUitvoer->addWidget(lblVastFont_, 3, 0);
    lUitvoer->addWidget(cbVastFont_, 3, 1);
    lUitvoer->addWidget(lblOpmaakFont_, 4, 0);
    lUitvoer->addWidget(cbOpmaakFont_, 4, 1);
    lUitvoer->addWidget(knopFont_, 5, 0);
    auto* richting = new QHBoxLayout;
    richting->addWidget(rbStaand_);
    richting->addWidget(rbLiggend_);
    lUitvoer->addLayout(richting, 5, 1);

    // "Afdrukken van".
    grpAfdrukkenVan_ = groep("grpAfdrukkenVan");
    new QGridLayout(grpAfdrukkenVan_);
    for (std::size_t i = 0; i < kVakjes.size(); ++i)
        vakjes_.emplace_back(std::get<0>(kVakjes[i]), vakje(std::get<1>(kVakjes[i])));
    SchikVakjes();

    // "Uitslagen".
    grpUitslagen_ = groep("grpUitslagen");
    spUitslagVan_ = getal("edUitslagVan", 0, 999);
    spUitslagTot_ = getal("edUitslagTot", 0, 999);
    lblUitslagVan_ = new QLabel(this);
    lblUitslagTot_ = new QLabel(this);
    lblUitslagVan_->setBuddy(spUitslagVan_);
    lblUitslagTot_->setBuddy(spUitslagTot_);
    chkWedstrijdnummer_ = vakje("chkWedstrijdnummer");
    chkTafelnummer_ = vakje("chkTafelnummer");
    chkUitslagLoting_ = vakje("chkUitslagLotingnummer");
    chkInfoEerder_ = vakje("chkInfoEerdereRonde");
    auto* lUitslagen = new QGridLayout(grpUitslagen_);
    lUitslagen->addWidget(lblUitslagVan_, 0, 0);
    lUitslagen->addWidget(spUitslagVan_, 0, 1);
    lUitslagen->addWidget(lblUitslagTot_, 0, 2);
    lUitslagen->addWidget(spUitslagTot_, 0, 3);
    lUitslagen->addWidget(chkWedstrijdnummer_, 1, 0, 1, 2);
    lUitslagen->addWidget(chkTafelnummer_, 1, 2, 1, 2);
    lUitslagen->addWidget(chkUitslagLoting_, 2, 0, 1, 2);
    lUitslagen->addWidget(chkInfoEerder_, 2, 2, 1, 2);

    // "Serie ranglijsten".
    grpSerie_ = groep("grpSerie");
    chkSerieStand_ = vakje("chkSerieStand");
    chkSerieVoortschrijding_ = vakje("chkSerieVoortschrijding");
    chkSerieTegenstander_ = vakje("chkSerieTegenstander");
    chkSerieCategorie_ = vakje("chkSerieCategorie");
    spVanCompetitie_ = getal("edVanCompetitie", 0, 999);
    spTotCompetitie_ = getal("edTotCompetitie", 0, 999);
    lblVanCompetitie_ = new QLabel(this);
    lblTotCompetitie_ = new QLabel(this);
    auto* lSerie = new QGridLayout(grpSerie_);
    lSerie->addWidget(chkSerieStand_, 0, 0);
    lSerie->addWidget(chkSerieVoortschrijding_, 0, 1);
    lSerie->addWidget(chkSerieTegenstander_, 1, 0);
    lSerie->addWidget(chkSerieCategorie_, 1, 1);
    lSerie->addWidget(lblVanCompetitie_, 2, 0);
    lSerie->addWidget(spVanCompetitie_, 2, 1);
    lSerie->addWidget(lblTotCompetitie_, 3, 0);
    lSerie->addWidget(spTotCompetitie_, 3, 1);

    // "Sorteren op".
    grpSorteren_ = groep("grpSorteren");
    rbNaam_ = radio("rbSorteerNaam");
    rbRating_ = radio("rbSorteerRating");
    rbLoting_ = radio("rbSorteerLotingnummer");
    auto* lSorteren = new QHBoxLayout(grpSorteren_);
    for (QRadioButton* r : {rbNaam_, rbRating_, rbLoting_}) lSorteren->addWidget(r);

    // "Geschiedenis".
    grpGeschiedenis_ = groep("grpGeschiedenis");
    edZoek_ = new QLineEdit(this);
    edZoek_->setObjectName("edZoekSpeler");
    lblZoek_ = new QLabel(this);
    lblZoek_->setBuddy(edZoek_);
    lstGeschiedenis_ = new QListWidget(this);
    lstGeschiedenis_->setObjectName("lstGeschiedenis");
    lstGeschiedenis_->setMinimumHeight(120);
    knopAlle_ = knop("knopAlle");
    knopGeen_ = knop("knopGeen");
    knopKies_ = knop("knopKies");
    auto* lGeschiedenis = new QGridLayout(grpGeschiedenis_);
    lGeschiedenis->addWidget(lblZoek_, 0, 0);
    lGeschiedenis->addWidget(edZoek_, 0, 1, 1, 2);
    lGeschiedenis->addWidget(lstGeschiedenis_, 1, 0, 1, 3);
    lGeschiedenis->addWidget(knopAlle_, 2, 0);
    lGeschiedenis->addWidget(knopGeen_, 2, 1);
    lGeschiedenis->addWidget(knopKies_, 2, 2);
    auto alleVinkjes = [this](Qt::CheckState s) {
        for (int i = 0; i < lstGeschiedenis_->count(); ++i)
            lstGeschiedenis_->item(i)->setCheckState(s);
    };
    connect(knopAlle_, &QPushButton::clicked, this, [alleVinkjes] { alleVinkjes(Qt::Checked); });
    connect(knopGeen_, &QPushButton::clicked, this, [alleVinkjes] { alleVinkjes(Qt::Unchecked); });
    connect(knopKies_, &QPushButton::clicked, this, [this] {
        if (auto* item = lstGeschiedenis_->currentItem()) item->setCheckState(Qt::Checked);
    });
    connect(edZoek_, &QLineEdit::textChanged, this, [this](const QString& t) {
        const auto gevonden = lstGeschiedenis_->findItems(t, Qt::MatchContains);
        if (!t.isEmpty() && !gevonden.isEmpty()) lstGeschiedenis_->setCurrentItem(gevonden[0]);
    });

    // General.
    edVast_ = new QPlainTextEdit(this);
    edVast_->setObjectName("edVasteTekst");
    edEenmalig_ = new QPlainTextEdit(this);
    edEenmalig_->setObjectName("edEenmaligeTekst");
    for (QPlainTextEdit* e : {edVast_, edEenmalig_}) e->setMaximumHeight(56);
    lblVast_ = new QLabel(this);
    lblEenmalig_ = new QLabel(this);
    knopToernooi_ = knop("knopWijzigToernooi");
    cbMaximum_ = new QComboBox(this);
    cbMaximum_->setObjectName("cbMaximumPerRegel");
    for (int32_t m : kMaximaPerRegel) cbMaximum_->addItem(QString::number(m), m);
    spMatrix_ = getal("edRondesInMatrix", 1, 4);
    lblMaximum_ = new QLabel(this);
    lblMatrix_ = new QLabel(this);
    lblMaximum_->setBuddy(cbMaximum_);
    lblMatrix_->setBuddy(spMatrix_);
    auto* algemeen = new QGridLayout;
    algemeen->addWidget(lblVast_, 0, 0);
    algemeen->addWidget(edVast_, 0, 1, 1, 3);
    algemeen->addWidget(lblEenmalig_, 1, 0);
    algemeen->addWidget(edEenmalig_, 1, 1, 1, 3);
    algemeen->addWidget(lblMaximum_, 2, 0);
    algemeen->addWidget(cbMaximum_, 2, 1);
    algemeen->addWidget(lblMatrix_, 2, 2);
    algemeen->addWidget(spMatrix_, 2, 3);

    QPushButton* annuleren = nullptr;
    auto* knoppen = Knoppenrij(knopOk_, annuleren, knopHelp_);
    annuleren->hide(); // the dialog has only the way back to the menu
    knoppen->insertWidget(0, knopToernooi_);
    connect(knopOk_, &QPushButton::clicked, this, [this] {
        Bewaar();
        accept();
    });

    connect(knopScherm_, &QPushButton::clicked, this, [this] { Maak(Bestemming::Scherm); });
    connect(knopDisk_, &QPushButton::clicked, this, [this] { Maak(Bestemming::Bestand); });
    connect(knopPrint_, &QPushButton::clicked, this, [this] { Maak(Bestemming::Printer); });
    connect(knopSetup_, &QPushButton::clicked, this, [this] {
        if (afdrukken_.PrinterInstellen(this))
            (afdrukken_.Printer().pageLayout().orientation() == QPageLayout::Portrait ? rbStaand_
                                                                                      : rbLiggend_)
                ->setChecked(true);
    });
    connect(knopFont_, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, Printfont(S(cbVastFont_->currentText()), 9), this,
                                             {}, QFontDialog::MonospacedFonts);
        if (ok) cbVastFont_->setEditText(f.family());
    });
    connect(knopToernooi_, &QPushButton::clicked, this, [this] {
        if (OpenToernooigegevens) OpenToernooigegevens();
    });

    auto* rechts = new QVBoxLayout;
    for (QGroupBox* g : {grpUitslagen_, grpSerie_, grpSorteren_, grpGeschiedenis_})
        rechts->addWidget(g);
    rechts->addStretch();
    auto* boven = new QHBoxLayout;
    boven->addWidget(grpUitvoer_);
    boven->addWidget(grpAfdrukkenVan_);
    boven->addLayout(rechts);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addLayout(algemeen);
    // The name of each step of the standings computation while a report is being made.
    lblVoortgang_ = new QLabel(this);
    lblVoortgang_->setObjectName("lblVoortgang");
    alles->addWidget(lblVoortgang_);
    alles->addLayout(knoppen);
    Vertaal();
}

RapportDialoog::~RapportDialoog() = default;

void RapportDialoog::Vertaal() {
    setWindowTitle(Q(Rapportdialoogtitel(keuze_.Soort)));
    grpUitvoer_->setTitle(Q(T::RgUitvoer));
    knopPrint_->setText(Q(T::RgPrint));
    knopSetup_->setText(Q(T::RgSetupPrinter));
    knopScherm_->setText(Q(T::RgBeeldscherm));
    knopDisk_->setText(Q(T::RgDisk));
    knopFont_->setText(Q(T::RgFont));
    chkGeformatteerd_->setText(Q(T::RgGeformatteerd));
    lblVastFont_->setText(Q(T::RgVastFont));
    lblOpmaakFont_->setText(Q(T::RgProportioneelFont));
    rbStaand_->setText(Q(T::RgStaand));
    rbLiggend_->setText(Q(T::RgLiggend));
    grpAfdrukkenVan_->setTitle(Q(T::RgAfdrukkenVan));
    for (std::size_t i = 0; i < kVakjes.size(); ++i)
        vakjes_[i].second->setText(Q(std::get<2>(kVakjes[i])));
    grpUitslagen_->setTitle(Q(T::RgUitslagenGroep));
    lblUitslagVan_->setText(Q(T::RgVanRonde));
    lblUitslagTot_->setText(Q(T::RgTotEnMetRonde));
    chkWedstrijdnummer_->setText(Q(T::RgWedstrijdnummer));
    chkTafelnummer_->setText(Q(T::RgTafelnummer));
    chkUitslagLoting_->setText(Q(T::RgLotingnummer));
    chkInfoEerder_->setText(Q(T::RgInfoEerdereRonde));
    grpSerie_->setTitle(Q(T::RgSerie));
    chkSerieStand_->setText(Q(T::RgSerieStand));
    chkSerieVoortschrijding_->setText(Q(T::RgSerieVoortschrijding));
    chkSerieTegenstander_->setText(Q(T::RgSerieTegenstander));
    chkSerieCategorie_->setText(Q(T::RgSerieCategorie));
    lblVanCompetitie_->setText(Q(T::RgVanCompetitie));
    lblTotCompetitie_->setText(Q(T::RgTotCompetitie));
    grpSorteren_->setTitle(Q(T::RgSorterenOp));
    rbNaam_->setText(Q(T::RgSorteerNaam));
    rbRating_->setText(Q(T::RgSorteerRating));
    rbLoting_->setText(Q(T::RgSorteerLoting));
    grpGeschiedenis_->setTitle(Q(T::RgGeschiedenis));
    lblZoek_->setText(Q(T::RgZoekSpeler));
    knopAlle_->setText(Q(T::RgAlle));
    knopGeen_->setText(Q(T::RgGeen));
    knopKies_->setText(Q(T::RgKies));
    lblVast_->setText(Q(T::RgVasteTekst));
    lblEenmalig_->setText(Q(T::RgEenmaligeTekst));
    knopToernooi_->setText(Q(T::RgWijzigToernooi));
    lblMaximum_->setText(Q(T::RgMaximumPerRegel));
    lblMatrix_->setText(Q(T::RgRondesInMatrix));
    knopOk_->setText(Q(T::BtnOK));
    knopHelp_->setText(Q(T::BtnHelp));
}

void RapportDialoog::Vul(const Rapportkeuze& k) {
    for (auto& [veld, vak] : vakjes_) vak->setChecked(k.Afdrukken.*veld);
    spUitslagVan_->setValue(k.UitslagVan);
    spUitslagTot_->setValue(k.UitslagTot);
    chkWedstrijdnummer_->setChecked(k.Wedstrijdnummer);
    chkTafelnummer_->setChecked(k.Tafelnummer);
    chkUitslagLoting_->setChecked(k.UitslagLotingnummer);
    chkInfoEerder_->setChecked(k.InfoEerdereRonde);
    chkSerieStand_->setChecked(k.SerieStand);
    chkSerieVoortschrijding_->setChecked(k.SerieVoortschrijding);
    chkSerieTegenstander_->setChecked(k.SerieTegenstander);
    chkSerieCategorie_->setChecked(k.SerieCategorie);
    spVanCompetitie_->setValue(k.VanCompetitie);
    spTotCompetitie_->setValue(k.TotCompetitie);
    rbNaam_->setChecked(k.Volgorde == Deelnemersvolgorde::Naam);
    rbRating_->setChecked(k.Volgorde == Deelnemersvolgorde::Rating);
    rbLoting_->setChecked(k.Volgorde == Deelnemersvolgorde::Lotingnummer);
    lstGeschiedenis_->clear();
    edZoek_->clear();
    for (const auto& s : o_.C.Spelers) {
        auto* item = new QListWidgetItem(Q(s->G().Naam), lstGeschiedenis_);
        item->setData(Qt::UserRole, s->InternNummer());
        const bool aan = std::find(k.Geschiedenis.begin(), k.Geschiedenis.end(),
                                   s->InternNummer()) != k.Geschiedenis.end();
        item->setCheckState(aan ? Qt::Checked : Qt::Unchecked);
    }
    chkGeformatteerd_->setChecked(k.Geformatteerd);
    cbVastFont_->setEditText(Q(k.Vastfont));
    cbOpmaakFont_->setEditText(Q(k.Opmaakfont));
    (k.Staand ? rbStaand_ : rbLiggend_)->setChecked(true);
    edVast_->setPlainText(Q(k.VasteTekst));
    edEenmalig_->setPlainText(Q(k.EenmaligeTekst));
    cbMaximum_->setCurrentIndex(cbMaximum_->findData(k.MaximumPerRegel));
    spMatrix_->setValue(k.RondesInMatrix);
}

Rapportkeuze RapportDialoog::Keuze() const {
    Rapportkeuze k = keuze_;
    for (const auto& [veld, vak] : vakjes_) k.Afdrukken.*veld = vak->isChecked();
    k.UitslagVan = spUitslagVan_->value();
    k.UitslagTot = spUitslagTot_->value();
    k.Wedstrijdnummer = chkWedstrijdnummer_->isChecked();
    k.Tafelnummer = chkTafelnummer_->isChecked();
    k.UitslagLotingnummer = chkUitslagLoting_->isChecked();
    k.InfoEerdereRonde = chkInfoEerder_->isChecked();
    k.SerieStand = chkSerieStand_->isChecked();
    k.SerieVoortschrijding = chkSerieVoortschrijding_->isChecked();
    k.SerieTegenstander = chkSerieTegenstander_->isChecked();
    k.SerieCategorie = chkSerieCategorie_->isChecked();
    k.VanCompetitie = spVanCompetitie_->value();
    k.TotCompetitie = spTotCompetitie_->value();
    k.Volgorde = rbRating_->isChecked()   ? Deelnemersvolgorde::Rating
                 : rbLoting_->isChecked() ? Deelnemersvolgorde::Lotingnummer
                                          : Deelnemersvolgorde::Naam;
    k.Geschiedenis.clear();
    for (int i = 0; i < lstGeschiedenis_->count(); ++i)
        if (lstGeschiedenis_->item(i)->checkState() == Qt::Checked)
            k.Geschiedenis.push_back(lstGeschiedenis_->item(i)->data(Qt::UserRole).toInt());
    k.Geformatteerd = chkGeformatteerd_->isChecked();
    k.Vastfont = S(cbVastFont_->currentText().trimmed());
    k.Opmaakfont = S(cbOpmaakFont_->currentText().trimmed());
    k.Staand = rbStaand_->isChecked();
    k.VasteTekst = S(edVast_->toPlainText());
    k.EenmaligeTekst = S(edEenmalig_->toPlainText());
    k.MaximumPerRegel = cbMaximum_->currentData().toInt();
    k.RondesInMatrix = spMatrix_->value();
    return k;
}

void RapportDialoog::SchikVakjes() {
    auto* l = static_cast<QGridLayout*>(grpAfdrukkenVan_->layout());
    std::vector<QCheckBox*> getoond;
    for (const auto& [veld, vak] : vakjes_) {
        l->removeWidget(vak);
        if (!vak->isHidden()) getoond.push_back(vak);
    }
    const int n = static_cast<int>(getoond.size());
    const int rijen = std::max(1, (n + 1) / 2);
    for (int i = 0; i < n; ++i)
        l->addWidget(getoond[static_cast<std::size_t>(i)], i % rijen, i / rijen);
    // The room the box has beyond its boxes goes below them, not between them.
    // (Rows a kind with more boxes used stay behind empty, and empty rows take no room.)
    for (int r = 0; r < std::max(l->rowCount(), rijen + 1); ++r)
        l->setRowStretch(r, r == rijen ? 1 : 0);
}

void RapportDialoog::ToonVoorSoort(Rapportsoort soort) {
    setWindowTitle(Q(Rapportdialoogtitel(soort)));
    grpAfdrukkenVan_->setVisible(ToontGroep(soort, Rapportgroep::AfdrukkenVan));
    for (const auto& [veld, vak] : vakjes_) vak->setVisible(ToontAfdrukoptie(soort, veld));
    SchikVakjes();
    grpUitslagen_->setVisible(ToontGroep(soort, Rapportgroep::Uitslagen));
    grpSerie_->setVisible(ToontGroep(soort, Rapportgroep::Serie));
    grpSorteren_->setVisible(ToontGroep(soort, Rapportgroep::SorterenOp));
    grpGeschiedenis_->setVisible(ToontGroep(soort, Rapportgroep::Geschiedenis));
    const bool maximum = ToontGroep(soort, Rapportgroep::MaximumPerRegel);
    lblMaximum_->setVisible(maximum);
    cbMaximum_->setVisible(maximum);
    const bool matrix = ToontGroep(soort, Rapportgroep::RondesInMatrix);
    lblMatrix_->setVisible(matrix);
    spMatrix_->setVisible(matrix);
    // A kind this program cannot write yet shows its options but offers no output.
    const bool beschikbaar = SoortBeschikbaar(soort);
    for (QPushButton* k : {knopPrint_, knopScherm_, knopDisk_}) {
        k->setEnabled(beschikbaar);
        k->setToolTip(beschikbaar ? QString() : Q(T::RgNietBeschikbaar));
    }
}

void RapportDialoog::Bereid(Rapportsoort soort, std::optional<int32_t> van,
                            std::optional<int32_t> tot) {
    keuze_ = OpenRapportkeuze(o_.C, soort, vasteTekst_, van, tot);
    Vul(keuze_);
    ToonVoorSoort(soort);
    adjustSize();
}

void RapportDialoog::Toon(Rapportsoort soort, std::optional<int32_t> van,
                          std::optional<int32_t> tot) {
    Bereid(soort, van, tot);
    exec();
}

void RapportDialoog::Bewaar() {
    keuze_ = Keuze();
    vasteTekst_ = keuze_.VasteTekst;
    BewaarRapportkeuze(o_.C, keuze_);
}

void RapportDialoog::Maak(Bestemming b) {
    Bewaar();
    Competitie& c = o_.C;
    if (!SoortBeschikbaar(keuze_.Soort)) return;
    Rapportopties opties = RapportoptiesVan(c, keuze_);
    if (o_.Lijsten) GebruikFMJDLijst(opties, o_.Lijsten->FMJD);
    if (SorteerschermNodig(c, keuze_.Soort) && !sorteren_.Vraag(opties)) return;

    uitvoer_.Rtffont = c.Opmaakfont;
    uitvoer_.Printfont = c.Vastfont;
    uitvoer_.UitgelijndeKolommen = keuze_.Geformatteerd;
    if (keuze_.Staand)
        uitvoer_.ZetStaand();
    else
        uitvoer_.ZetLiggend();
    SysteemKlok klok;
    StapVoortgang voortgang(lblVoortgang_);
    switch (b) {
    case Bestemming::Scherm:
        scherm_.Leeg();
        uitvoer_.StartScherm(scherm_);
        MaakRapport(c, opties, uitvoer_, klok, &voortgang);
        uitvoer_.EindeScherm();
        scherm_.exec();
        break;
    case Bestemming::Bestand: {
        const std::string titel = Rapportnaam(c, keuze_.Soort);
        if (!uitvoer_.KiesUitvoerbestand(c.Werkmap, Rapportdialoogtitel(keuze_.Soort))) return;
        if (IsEigenBestand(c, uitvoer_.Bestandsnaam())) {
            o_.G.Melding(lang::Tekst(T::RgOpCompetitie), lang::Tekst(T::Fout), Pictogram::Fout);
            return;
        }
        if (!uitvoer_.OpenUitvoerbestand(uitvoer_.Bestandsnaam(), uitvoer_.Formaat(), titel))
            return;
        MaakRapport(c, opties, uitvoer_, klok, &voortgang);
        uitvoer_.SluitUitvoerbestand();
        break;
    }
    case Bestemming::Printer:
        uitvoer_.StartPrinter(afdrukken_);
        MaakRapport(c, opties, uitvoer_, klok, &voortgang);
        uitvoer_.EindePrinter();
        break;
    }
    // The one-time text serves one report.
    edEenmalig_->clear();
    keuze_.EenmaligeTekst.clear();
}

} // namespace velkaro::ui
