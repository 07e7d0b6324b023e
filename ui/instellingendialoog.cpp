#include "ui/instellingendialoog.h"

#include "ui/tekst.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;
using V = Instellingsvelden;

QLineEdit* InstellingenDialoog::Veld(const char* naam, std::size_t cijfers, std::string V::*veld) {
    auto* e = new QLineEdit(this);
    e->setObjectName(naam);
    e->setMaxLength(static_cast<int>(cijfers));
    e->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("[0-9]{0,%1}").arg(cijfers)), e));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance('0') * cijfers + 16);
    velden_.emplace_back(e, veld);
    connect(e, &QLineEdit::textEdited, this, [this, veld](const QString& t) {
        if (bezig_ || !scherm_) return;
        if (veld == &V::Sorteervolgorde)
            scherm_->ZetSorteervolgorde(S(t));
        else
            scherm_->Invoer().*veld = S(t);
        Toon();
    });
    return e;
}

QCheckBox* InstellingenDialoog::Vak(const char* naam) {
    auto* c = new QCheckBox(this);
    c->setObjectName(naam);
    return c;
}

QRadioButton* InstellingenDialoog::Keuze(const char* naam) {
    auto* r = new QRadioButton(this);
    r->setObjectName(naam);
    return r;
}

InstellingenDialoog::InstellingenDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TVKInstelling", "instellingen", ouder) {
    // ---- Rekensysteem ----
    grpSysteem_ = new QGroupBox(this);
    auto* lSysteem = new QVBoxLayout(grpSysteem_);
    systeemGroep_ = new QButtonGroup(this);
    auto* systeemGroep = systeemGroep_;
    auto systeem = [&](QRadioButton*& r, const char* naam, uint16_t s) {
        r = Keuze(naam);
        systeemGroep->addButton(r);
        lSysteem->addWidget(r);
        systemen_.push_back({r, s});
        connect(r, &QRadioButton::clicked, this, [this, s] {
            if (bezig_ || !scherm_) return;
            scherm_->KiesSysteem(s);
            Toon();
        });
    };
    systeem(rbNormaal_, "rbNormaal", SysteemNormaal);
    systeem(rbKeizer_, "rbKeizer", SysteemKeizer);
    systeem(rbMoyenne_, "rbMoyenne", SysteemMoyenne);
    systeem(rbRating_, "rbRating", SysteemRating);
    systeem(rbZwitsers_, "rbZwitsers", SysteemZwitsers);
    systeem(rbZwitsersRating_, "rbZwitsersRating", SysteemZwitsersRating);
    systeem(rbLaren_, "rbLaren", SysteemLaren);
    systeem(rbFMJDZwitsers_, "rbFMJDZwitsers", SysteemFMJDZwitsers);
    rbFMJDZwitsers_->hide();
    lSysteem->addStretch();

    // ---- Algemeen ----
    grpAlgemeen_ = new QGroupBox(this);
    auto* lAlgemeen = new QVBoxLayout(grpAlgemeen_);
    cbSchaak_ = Vak("cbSchaaknotatie");
    cbKNDB_ = Vak("cbKNDBDelfts");
    cbPlusMin_ = Vak("cbPlusMin");
    for (QCheckBox* c : {cbSchaak_, cbKNDB_, cbPlusMin_}) lAlgemeen->addWidget(c);
    auto* punten = new QFormLayout;
    punten->setHorizontalSpacing(kVeldafstand);
    edWinst_ = Veld("edWinst", kCijfersPunten, &V::Winst);
    edRemise_ = Veld("edRemise", kCijfersPunten, &V::Remise);
    edVerlies_ = Veld("edVerlies", kCijfersPunten, &V::Verlies);
    edPlusRemise_ = Veld("edPlusRemise", kCijfersPunten, &V::PlusRemise);
    edMinRemise_ = Veld("edMinRemise", kCijfersPunten, &V::MinRemise);
    lblWinst_ = new QLabel(this), lblRemise_ = new QLabel(this), lblVerlies_ = new QLabel(this);
    lblPlusRemise_ = new QLabel(this), lblMinRemise_ = new QLabel(this);
    punten->addRow(lblWinst_, edWinst_);
    punten->addRow(lblRemise_, edRemise_);
    punten->addRow(lblVerlies_, edVerlies_);
    punten->addRow(lblPlusRemise_, edPlusRemise_);
    punten->addRow(lblMinRemise_, edMinRemise_);
    lAlgemeen->addLayout(punten);
    cbFMJDRating_ = Vak("cbFMJDRating");
    cbFMJD64_ = Vak("cbFMJD64");
    cbTestopties_ = Vak("cbTestopties");
    cbAltWeerstand_ = Vak("cbAlternatieveWeerstand");
    for (QCheckBox* c : {cbFMJDRating_, cbFMJD64_, cbTestopties_, cbAltWeerstand_})
        lAlgemeen->addWidget(c);
    auto* basis = new QHBoxLayout;
    lblBasis_ = new QLabel(this);
    sbBasis_ = new QSpinBox(this);
    sbBasis_->setObjectName("sbBasispunten");
    sbBasis_->setRange(kLarenBasisMin, kLarenBasisMax);
    sbBasis_->setSingleStep(kLarenBasisStap);
    basis->addWidget(lblBasis_);
    basis->addWidget(sbBasis_);
    basis->addStretch();
    lAlgemeen->addLayout(basis);
    cbVrij_ = Vak("cbVrijBijOneven");
    lAlgemeen->addWidget(cbVrij_);
    auto* vrijscore = new QHBoxLayout;
    vrijscore->setSpacing(kVeldafstand);
    lblVrijScore_ = new QLabel(this);
    cbVrijScore_ = new QComboBox(this);
    cbVrijScore_->setObjectName("cbVrijScore");
    lblVrijScore_->setBuddy(cbVrijScore_);
    vrijscore->addWidget(lblVrijScore_);
    vrijscore->addWidget(cbVrijScore_);
    vrijscore->addStretch();
    lAlgemeen->addLayout(vrijscore);

    connect(cbSchaak_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetSchaaknotatie(aan), Toon();
    });
    connect(cbKNDB_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetKNDBDelfts(aan), Toon();
    });
    connect(cbPlusMin_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetPlusMin(aan), Toon();
    });
    connect(cbFMJDRating_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetFMJDRating(aan), Toon();
    });
    connect(cbFMJD64_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetFMJD64(aan), Toon();
    });
    connect(cbTestopties_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->Invoer().Testopties = aan;
    });
    connect(cbAltWeerstand_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->Invoer().AlternatieveWeerstand = aan;
    });
    connect(cbVrij_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetVrijBijOneven(aan), Toon();
    });
    connect(cbVrijScore_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!bezig_ && scherm_ && i >= 0) scherm_->Invoer().VrijScore = static_cast<Vrijscore>(i);
    });
    connect(sbBasis_, &QSpinBox::valueChanged, this, [this](int w) {
        if (!bezig_ && scherm_) scherm_->Invoer().LarenBasis = w;
    });

    // ---- Sorteervolgorde ----
    grpSorteer_ = new QGroupBox(this);
    auto* lSorteer = new QVBoxLayout(grpSorteer_);
    edSorteer_ = Veld("edSorteervolgorde", kCijfersSorteer, &V::Sorteervolgorde);
    lSorteer->addWidget(edSorteer_);
    for (int i = 0; i < 9; ++i) {
        auto* l = new QLabel(this);
        criteria_.push_back(l);
        lSorteer->addWidget(l);
    }
    lblLegenda_ = new QLabel(this);
    lblLegenda_->setObjectName("lblLegenda");
    lblLegenda_->setFrameShape(QFrame::StyledPanel);
    lSorteer->addWidget(lblLegenda_);

    // ---- Keizersysteem ----
    grpKeizer_ = new QGroupBox(this);
    auto* lKeizer = new QFormLayout(grpKeizer_);
    lKeizer->setHorizontalSpacing(kVeldafstand);
    auto rij = [&](QFormLayout* l, QLabel*& lbl, QLineEdit* e) {
        lbl = new QLabel(this);
        lbl->setBuddy(e);
        l->addRow(lbl, e);
    };
    edKWinst_ = Veld("edKeizerWinst", kCijfersKeizer, &V::KeizerWinst);
    edKRemise_ = Veld("edKeizerRemise", kCijfersKeizer, &V::KeizerRemise);
    edKVerlies_ = Veld("edKeizerVerlies", kCijfersKeizer, &V::KeizerVerlies);
    edKNiet_ = Veld("edKeizerNietGespeeld", kCijfersKeizer, &V::KeizerNietGespeeld);
    edAfloop_ = Veld("edAfloopfactor", kCijfersKeizer, &V::Afloopfactor);
    edNr1_ = Veld("edPuntenNr1", kCijfersKeizer, &V::PuntenNr1);
    edKeren_ = Veld("edKerenRekenen", kCijfersKeizer, &V::KerenRekenen);
    rij(lKeizer, lblKWinst_, edKWinst_);
    rij(lKeizer, lblKRemise_, edKRemise_);
    rij(lKeizer, lblKVerlies_, edKVerlies_);
    rij(lKeizer, lblKNiet_, edKNiet_);
    rij(lKeizer, lblAfloop_, edAfloop_);
    rij(lKeizer, lblNr1_, edNr1_);
    rij(lKeizer, lblKeren_, edKeren_);
    cbOptimaliseren_ = Vak("cbOptimaliseren");
    lKeizer->addRow(cbOptimaliseren_);
    connect(cbOptimaliseren_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->Invoer().Optimaliseren = aan;
    });

    // ---- Zwitsers systeem ----
    grpZwitsers_ = new QGroupBox(this);
    auto* lZwitsers = new QFormLayout(grpZwitsers_);
    lZwitsers->setHorizontalSpacing(kVeldafstand);
    cbKleurDominant_ = Vak("cbKleurDominant");
    lZwitsers->addRow(cbKleurDominant_);
    edMaxKleur_ = Veld("edMaxKleurverschil", kCijfersKleur, &V::MaxKleurverschil);
    rij(lZwitsers, lblMaxKleur_, edMaxKleur_);
    cbViertallen_ = Vak("cbViertallen");
    lZwitsers->addRow(cbViertallen_);
    connect(cbKleurDominant_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->ZetKleurDominant(aan), Toon();
    });
    connect(cbViertallen_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->Invoer().Viertallen = aan;
    });

    // ---- Ratingsysteem ----
    grpRating_ = new QGroupBox(this);
    auto* lRating = new QFormLayout(grpRating_);
    lRating->setHorizontalSpacing(kVeldafstand);
    auto* methodeGroep = new QButtonGroup(this);
    rbEigenStart_ = Keuze("rbEigenStartpunt");
    rbPrestatie_ = Keuze("rbPrestatierating");
    rbVastStart_ = Keuze("rbVastStartpunt");
    const std::pair<QRadioButton*, uint16_t> methoden[] = {
        {rbEigenStart_, 2}, {rbPrestatie_, 0}, {rbVastStart_, 1}};
    for (auto [r, m] : methoden) {
        methodeGroep->addButton(r);
        lRating->addRow(r);
        connect(r, &QRadioButton::clicked, this, [this, m = m] {
            if (scherm_) scherm_->Invoer().Ratingmethode = m;
        });
    }
    edCorrectie_ = Veld("edCorrectiefactor", kCijfersRating, &V::Correctiefactor);
    edAanvang_ = Veld("edAanvangsrating", kCijfersRating, &V::Aanvangsrating);
    rij(lRating, lblCorrectie_, edCorrectie_);
    rij(lRating, lblAanvang_, edAanvang_);

    // ---- Moyennesysteem ----
    grpMoyenne_ = new QGroupBox(this);
    auto* lMoyenne = new QFormLayout(grpMoyenne_);
    lMoyenne->setHorizontalSpacing(kVeldafstand);
    lblWeging_ = new QLabel(this);
    lMoyenne->addRow(lblWeging_);
    edWegingEigen_ = Veld("edWegingEigen", kCijfersWeging, &V::WegingEigen);
    edWegingTegen_ = Veld("edWegingTegen", kCijfersWeging, &V::WegingTegen);
    rij(lMoyenne, lblEigenGem_, edWegingEigen_);
    rij(lMoyenne, lblTegenGem_, edWegingTegen_);
    cbWegen_ = Vak("cbWegen");
    lMoyenne->addRow(cbWegen_);
    connect(cbWegen_, &QCheckBox::clicked, this, [this](bool aan) {
        if (scherm_) scherm_->Invoer().Wegen = aan;
    });
    grpVedodi_ = new QGroupBox(this);
    auto* lVedodi = new QFormLayout(grpVedodi_);
    lVedodi->setHorizontalSpacing(kVeldafstand);
    auto spin = [&](QSpinBox*& sb, QLabel*& lbl, const char* naam, Huizumveld veld) {
        sb = new QSpinBox(this);
        sb->setObjectName(naam);
        sb->setRange(0, kHuizumMax);
        lbl = new QLabel(this);
        lbl->setBuddy(sb);
        lVedodi->addRow(lbl, sb);
        connect(sb, &QSpinBox::valueChanged, this, [this, veld](int w) {
            if (!bezig_ && scherm_) scherm_->ZetHuizum(veld, w);
        });
    };
    spin(sbMinWed_, lblMinWed_, "seMinWed", Huizumveld::MinWed);
    spin(sbPlaats_, lblPlaats_, "sePlaats", Huizumveld::PlaatsAfstand);
    spin(sbGeleden_, lblGeleden_, "seGeleden", Huizumveld::Geleden);
    lMoyenne->addRow(grpVedodi_);

    // ---- buttons ----
    auto* knoppen = Knoppenrij(knopOk_, knopAnnuleren_, knopHelp_);
    connect(knopOk_, &QPushButton::clicked, this, [this] {
        if (scherm_ && scherm_->Ok(o_.G))
            accept();
        else
            Toon();
    });

    auto* links = new QVBoxLayout;
    links->addWidget(grpSysteem_);
    links->addWidget(grpAlgemeen_);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(grpSorteer_);
    for (QGroupBox* g : {grpKeizer_, grpZwitsers_, grpRating_, grpMoyenne_}) rechts->addWidget(g);
    rechts->addStretch();
    auto* midden = new QHBoxLayout;
    midden->addLayout(links);
    midden->addLayout(rechts, 1);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(midden);
    alles->addLayout(knoppen);
    // The dialog fits its contents, which change with the system chosen and the language.
    alles->setSizeConstraint(QLayout::SetFixedSize);
    Vertaal();
}

void InstellingenDialoog::Vertaal() {
    setWindowTitle(Q(T::InsTitel));
    grpSysteem_->setTitle(Q(T::InsRekensysteem));
    rbNormaal_->setText(Q(T::InsNormaal));
    rbKeizer_->setText(Q(T::InsKeizer));
    rbMoyenne_->setText(Q(T::InsMoyenne));
    rbRating_->setText(Q(T::InsRating));
    rbZwitsers_->setText(Q(T::InsZwitsersWeerstand));
    rbZwitsersRating_->setText(Q(T::InsZwitsersRating));
    rbLaren_->setText(Q(T::InsLarensSysteem));
    rbFMJDZwitsers_->setText(Q(T::InsFMJDZwitsers));
    grpAlgemeen_->setTitle(Q(T::InsAlgemeen));
    cbSchaak_->setText(Q(T::InsSchaaknotatie));
    cbKNDB_->setText(Q(T::InsKNDBDelfts));
    cbPlusMin_->setText(Q(T::InsPlusMin));
    lblWinst_->setText(Q(T::InsWinst));
    lblRemise_->setText(Q(T::InsRemise));
    lblVerlies_->setText(Q(T::InsVerlies));
    lblPlusRemise_->setText(Q(T::InsPlusRemise));
    lblMinRemise_->setText(Q(T::InsMinRemise));
    lblWinst_->setBuddy(edWinst_);
    lblRemise_->setBuddy(edRemise_);
    lblVerlies_->setBuddy(edVerlies_);
    cbFMJDRating_->setText(Q(T::InsFMJDRating));
    cbFMJD64_->setText(Q(T::InsFMJD64));
    cbTestopties_->setText(Q(T::InsTestopties));
    cbAltWeerstand_->setText(Q(T::InsAlternatieveWeerstand));
    lblBasis_->setText(Q(T::InsBasispunten));
    cbVrij_->setText(Q(T::InsVrijBijOneven));
    lblVrijScore_->setText(Q(T::InsVrijScore));
    {
        // Items in the order of Vrijscore.
        QSignalBlocker b(cbVrijScore_);
        const int i = cbVrijScore_->currentIndex();
        cbVrijScore_->clear();
        for (T t : {T::InsVrijWinst, T::InsVrijRemise, T::InsVrijNiets})
            cbVrijScore_->addItem(Q(t));
        cbVrijScore_->setCurrentIndex(std::max(i, 0));
    }
    grpSorteer_->setTitle(Q(T::InsSorteervolgorde));
    const T crit[] = {T::InsCrit1, T::InsCrit2, T::InsCrit3, T::InsCrit4, T::InsCrit5,
                      T::InsCrit6, T::InsCrit7, T::InsCrit8, T::InsCrit9};
    for (std::size_t i = 0; i < criteria_.size(); ++i) criteria_[i]->setText(Q(crit[i]));
    grpKeizer_->setTitle(Q(T::InsKeizersysteem));
    lblKWinst_->setText(Q(T::InsKWinst));
    lblKRemise_->setText(Q(T::InsKRemise));
    lblKVerlies_->setText(Q(T::InsKVerlies));
    lblKNiet_->setText(Q(T::InsKNietGespeeld));
    lblAfloop_->setText(Q(T::InsAfloopfactor));
    lblNr1_->setText(Q(T::InsPuntenNr1));
    lblKeren_->setText(Q(T::InsKerenRekenen));
    cbOptimaliseren_->setText(Q(T::InsOptimaliseren));
    grpZwitsers_->setTitle(Q(T::InsZwitsersSysteem));
    cbKleurDominant_->setText(Q(T::InsKleurDominant));
    lblMaxKleur_->setText(Q(T::InsMaxKleurverschil));
    cbViertallen_->setText(Q(T::InsViertallen));
    grpRating_->setTitle(Q(T::InsRatingsysteem));
    rbEigenStart_->setText(Q(T::InsEigenStartpunt));
    rbPrestatie_->setText(Q(T::InsPrestatierating));
    rbVastStart_->setText(Q(T::InsVastStartpunt));
    lblCorrectie_->setText(Q(T::InsCorrectiefactor));
    lblAanvang_->setText(Q(T::InsAanvangsrating));
    grpMoyenne_->setTitle(Q(T::InsMoyennesysteem));
    lblWeging_->setText(Q(T::InsWegingsfactoren));
    lblEigenGem_->setText(Q(T::InsEigenGemiddelde));
    lblTegenGem_->setText(Q(T::InsTegenstanderGemiddelde));
    cbWegen_->setText(Q(T::InsWegen));
    grpVedodi_->setTitle(Q(T::InsParingVedodi));
    lblMinWed_->setText(Q(T::InsMinWed));
    lblPlaats_->setText(Q(T::InsMaxPlaatsv));
    lblGeleden_->setText(Q(T::InsRonderuimte));
    knopOk_->setText(Q(T::BtnOk));
    knopAnnuleren_->setText(Q(T::BtnAnnulerenAcc));
    knopHelp_->setText(Q(T::BtnHelp));
    if (scherm_) Toon(); // the legend is built from the language tables
}

void InstellingenDialoog::showEvent(QShowEvent* e) {
    scherm_ = std::make_unique<Instellingenscherm>(o_.C, o_.FMJDLijsten, o_.FMJD64, o_.Testopties);
    scherm_->Open();
    Toon();
    Dialoog::showEvent(e);
}

void InstellingenDialoog::done(int r) {
    if (scherm_) {
        if (const auto fmjd64 = scherm_->Sluit()) {
            o_.FMJD64 = *fmjd64;
            if (o_.Lijsten) o_.Lijsten->KiesFMJD(*fmjd64);
        }
    }
    Dialoog::done(r);
}

void InstellingenDialoog::Toon() {
    if (!scherm_) return;
    bezig_ = true;
    scherm_->ZetSorteervolgorde(scherm_->Velden().Sorteervolgorde); // legend in this language
    const V& v = scherm_->Velden();
    const Instellingszicht& z = scherm_->Zicht();
    // An unknown system leaves no button checked, which an exclusive group would refuse.
    systeemGroep_->setExclusive(false);
    for (auto [knop, s] : systemen_) knop->setChecked(v.Systeem && *v.Systeem == s);
    systeemGroep_->setExclusive(true);
    auto zet = [&](QCheckBox* c, bool aan) {
        QSignalBlocker b(c);
        c->setChecked(aan);
    };
    zet(cbSchaak_, v.Schaaknotatie);
    zet(cbKNDB_, v.KNDBDelfts);
    zet(cbPlusMin_, v.PlusMin);
    zet(cbFMJDRating_, v.FMJDRating);
    zet(cbFMJD64_, v.FMJD64);
    zet(cbTestopties_, v.Testopties);
    zet(cbAltWeerstand_, v.AlternatieveWeerstand);
    zet(cbOptimaliseren_, v.Optimaliseren);
    zet(cbKleurDominant_, v.KleurDominant);
    zet(cbViertallen_, v.Viertallen);
    zet(cbWegen_, v.Wegen);
    zet(cbVrij_, v.VrijBijOneven);
    cbVrijScore_->setCurrentIndex(static_cast<int>(v.VrijScore));
    cbVrijScore_->setEnabled(z.VrijScore);
    lblVrijScore_->setEnabled(z.VrijScore);
    for (auto [e, veld] : velden_) {
        const QString t = Q(v.*veld);
        if (e->text() != t) {
            QSignalBlocker b(e);
            e->setText(t);
        }
    }
    lblLegenda_->setText(Q(v.SorteerLegenda));
    sbBasis_->setValue(v.LarenBasis);
    sbMinWed_->setValue(v.MinWed);
    sbPlaats_->setValue(v.PlaatsAfstand);
    sbGeleden_->setValue(v.Geleden);
    rbEigenStart_->setChecked(v.Ratingmethode == 2);
    rbPrestatie_->setChecked(v.Ratingmethode == 0);
    rbVastStart_->setChecked(v.Ratingmethode == 1);

    for (QWidget* w : {static_cast<QWidget*>(cbPlusMin_), static_cast<QWidget*>(edWinst_),
                       static_cast<QWidget*>(edRemise_), static_cast<QWidget*>(edVerlies_),
                       static_cast<QWidget*>(lblWinst_), static_cast<QWidget*>(lblRemise_),
                       static_cast<QWidget*>(lblVerlies_)})
        w->setVisible(z.Puntvelden);
    for (QWidget* w : {static_cast<QWidget*>(edPlusRemise_), static_cast<QWidget*>(edMinRemise_),
                       static_cast<QWidget*>(lblPlusRemise_), static_cast<QWidget*>(lblMinRemise_)})
        w->setVisible(z.PlusMinVelden);
    cbFMJD64_->setVisible(z.FMJD64);
    cbTestopties_->setVisible(z.Testopties);
    cbAltWeerstand_->setVisible(z.Testopties);
    lblBasis_->setVisible(z.LarenBasis);
    sbBasis_->setVisible(z.LarenBasis);
    grpSorteer_->setVisible(z.Sorteervolgorde);
    grpKeizer_->setVisible(z.Keizer);
    grpZwitsers_->setVisible(z.Zwitsers);
    grpRating_->setVisible(z.Rating);
    grpMoyenne_->setVisible(z.Moyenne);
    edMaxKleur_->setEnabled(z.MaxKleurverschil);
    lblMaxKleur_->setEnabled(z.MaxKleurverschil);
    bezig_ = false;
}

} // namespace velkaro::ui
