#include "ui/spelerinvoer.h"

#include "ui/tekst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

SpelerInvoerDialoog::SpelerInvoerDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TInvoerSpelers", "spelerinvoer", ouder) {
    auto veld = [this](const char* naam, int lengte) {
        auto* e = new QLineEdit(this);
        e->setObjectName(naam);
        e->setMaxLength(lengte);
        return e;
    };
    auto label = [this](QWidget* buddy) {
        auto* l = new QLabel(this);
        l->setBuddy(buddy);
        return l;
    };
    edNaam_ = veld("EdNaam", static_cast<int>(kNaamLengte));
    edNaam_->setMinimumWidth(edNaam_->fontMetrics().horizontalAdvance('M') * 16);
    edNaam_->installEventFilter(this);
    edLotingNr_ = veld("EdLotingNr", 9);
    edKort_ = veld("EdKort", static_cast<int>(kKortLengte));
    edPlaats_ = veld("EdPlaats", static_cast<int>(kPlaatsLengte));
    edLand_ = veld("EdLand", static_cast<int>(kLandLengte));
    for (std::size_t i = 0; i < edCat_.size(); ++i) {
        edCat_[i] = veld(("EdCat" + std::to_string(i + 1)).c_str(), 1);
        edCat_[i]->setFixedWidth(edCat_[i]->fontMetrics().horizontalAdvance('W') + 16);
    }
    edBarrage_ = veld("EdBarrage", 2);
    edBarrage_->setInputMask("00");
    edFMJDID_ = veld("EdFMJDID", 9);
    for (QLineEdit* e : {edLotingNr_, edKort_, edBarrage_})
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance("000000") + 16);
    lblNaam_ = label(edNaam_), lblLotingNr_ = label(edLotingNr_), lblKort_ = label(edKort_);
    lblPlaats_ = label(edPlaats_), lblLand_ = label(edLand_), lblCat_ = label(edCat_[0]);
    lblBarrage_ = label(edBarrage_), lblFMJDID_ = label(edFMJDID_);

    auto* velden = new QFormLayout;
    velden->addRow(lblNaam_, edNaam_);
    velden->addRow(lblLotingNr_, edLotingNr_);
    velden->addRow(lblKort_, edKort_);
    velden->addRow(lblPlaats_, edPlaats_);
    velden->addRow(lblLand_, edLand_);
    auto* cats = new QHBoxLayout;
    for (QLineEdit* e : edCat_) cats->addWidget(e);
    cats->addStretch();
    velden->addRow(lblCat_, cats);
    velden->addRow(lblBarrage_, edBarrage_);

    grpOpnemen_ = new QGroupBox(this);
    auto* lOpnemen = new QHBoxLayout(grpOpnemen_);
    cbStand_ = new QCheckBox(grpOpnemen_);
    cbStand_->setObjectName("EdStand");
    cbRooster_ = new QCheckBox(grpOpnemen_);
    cbRooster_->setObjectName("EdRooster");
    lOpnemen->addWidget(cbStand_);
    lOpnemen->addWidget(cbRooster_);

    auto rating = [this](const char* naam) {
        auto* s = new QSpinBox(this);
        s->setObjectName(naam);
        s->setRange(0, 9999);
        return s;
    };
    auto titels = [this](const char* naam) {
        auto* c = new QComboBox(this);
        c->setObjectName(naam);
        c->addItems({QString(), QString(), QString(), QString()});
        return c;
    };
    grpNationaal_ = new QGroupBox(this);
    auto* lNat = new QFormLayout(grpNationaal_);
    sbRating_ = rating("EdRating");
    cbTitel_ = titels("CBLocalTitel");
    lblRating_ = label(sbRating_), lblTitel_ = label(cbTitel_);
    lNat->addRow(lblRating_, sbRating_);
    lNat->addRow(lblTitel_, cbTitel_);
    grpFMJD_ = new QGroupBox(this);
    auto* lFMJD = new QFormLayout(grpFMJD_);
    sbFMJDRating_ = rating("SEFMJDRating");
    cbFMJDTitel_ = titels("CBFMJDTitle");
    lblFMJDRating_ = label(sbFMJDRating_), lblFMJDTitel_ = label(cbFMJDTitel_);
    lFMJD->addRow(lblFMJDRating_, sbFMJDRating_);
    lFMJD->addRow(lblFMJDTitel_, cbFMJDTitel_);
    lFMJD->addRow(lblFMJDID_, edFMJDID_);

    auto vak = [this](const char* naam) {
        auto* c = new QCheckBox(this);
        c->setObjectName(naam);
        return c;
    };
    cbGebruikRatingbestand_ = vak("cbGebruikRatingbestand");
    cbFMJDBestand_ = vak("cbFMJDRatingbestand");
    cbVolledigeVoornaam_ = vak("cbVolledigeVoornaam");
    // The choices are kept with the competition.
    connect(cbGebruikRatingbestand_, &QCheckBox::toggled, this,
            [this](bool aan) { o_.C.GebruikRatingbestand = aan; });
    connect(cbFMJDBestand_, &QCheckBox::toggled, this,
            [this](bool aan) { o_.C.GebruikFMJDBestand = aan; });
    connect(cbVolledigeVoornaam_, &QCheckBox::toggled, this,
            [this](bool aan) { o_.C.VolledigeVoornaam = aan; });

    // The two rating lists, each with its file, a search field and the list itself.
    auto lijst = [this](const char* groep, const char* zoek, const char* view, const char* bestand,
                        QGroupBox*& g, QLineEdit*& e, QLabel*& l, QListView*& v, QLabel*& b,
                        RatinglijstModel*& m) {
        g = new QGroupBox(this);
        g->setObjectName(groep);
        b = new QLabel(g);
        b->setObjectName(bestand);
        b->setWordWrap(true);
        e = new QLineEdit(g);
        e->setObjectName(zoek);
        e->setClearButtonEnabled(true);
        l = new QLabel(g);
        l->setBuddy(e);
        v = new QListView(g);
        v->setObjectName(view);
        v->setUniformItemSizes(true); // a hundred thousand lines stay quick
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        v->setMinimumWidth(v->fontMetrics().horizontalAdvance('M') * 30);
        m = new RatinglijstModel(this);
        v->setModel(m);
        auto* lay = new QVBoxLayout(g);
        lay->addWidget(b);
        auto* zoekrij = new QHBoxLayout;
        zoekrij->addWidget(l);
        zoekrij->addWidget(e);
        lay->addLayout(zoekrij);
        lay->addWidget(v);
    };
    lijst("grpNationaleLijst", "EdZoekNationaal", "LBNationaal", "lblNationaalBestand",
          grpNatLijst_, edZoekNat_, lblZoekNat_, lbNat_, lblNatBestand_, natModel_);
    lijst("grpFMJDLijst", "EdZoekFMJD", "LBFMJD", "lblFMJDBestand", grpFMJDLijst_, edZoekFMJD_,
          lblZoekFMJD_, lbFMJD_, lblFMJDBestand_, fmjdModel_);
    lblFMJDNaam_ = new QLabel(this);
    lblFMJDNaam_->setObjectName("lblFMJDNaam");
    lFMJD->addRow(QString(), lblFMJDNaam_);
    connect(edZoekNat_, &QLineEdit::textChanged, natModel_, &RatinglijstModel::Filter);
    connect(edZoekFMJD_, &QLineEdit::textChanged, fmjdModel_, &RatinglijstModel::Filter);
    for (auto [v, fmjd] : {std::pair{lbNat_, false}, std::pair{lbFMJD_, true}}) {
        connect(v, &QListView::clicked, this,
                [this, f = fmjd](const QModelIndex& i) { NeemOver(f, i); });
        connect(v, &QListView::activated, this,
                [this, f = fmjd](const QModelIndex& i) { NeemOver(f, i); });
    }
    connect(edFMJDID_, &QLineEdit::textEdited, this, [this] {
        if (!invoer_ || !o_.Lijsten) return;
        LeesVelden();
        invoer_->FMJDIDGetypt(o_.Lijsten->FMJD);
        ToonVelden();
    });
    edKort_->installEventFilter(this);

    auto* knoppen = Knoppenrij(knopOk_, knopAnnuleren_, knopHelp_);
    connect(knopOk_, &QPushButton::clicked, this, &SpelerInvoerDialoog::Ok);

    auto* links = new QVBoxLayout;
    links->addLayout(velden);
    links->addWidget(grpOpnemen_);
    links->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(grpNationaal_);
    rechts->addWidget(grpFMJD_);
    for (QCheckBox* c : {cbGebruikRatingbestand_, cbFMJDBestand_, cbVolledigeVoornaam_})
        rechts->addWidget(c);
    rechts->addStretch();
    auto* lijsten = new QVBoxLayout;
    lijsten->addWidget(grpNatLijst_, 1);
    lijsten->addWidget(grpFMJDLijst_, 1);
    auto* midden = new QHBoxLayout;
    midden->addLayout(links);
    midden->addLayout(rechts);
    midden->addLayout(lijsten, 1);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(midden);
    alles->addLayout(knoppen);
    Vertaal();
}

void SpelerInvoerDialoog::Vertaal() {
    setWindowTitle(Q(T::InvTitel));
    lblNaam_->setText(Q(T::InvNaam));
    lblLotingNr_->setText(Q(T::InvLotingnr));
    lblKort_->setText(Q(T::InvKort));
    lblPlaats_->setText(Q(T::InvPlaats));
    lblLand_->setText(Q(T::InvLand));
    lblCat_->setText(Q(T::InvCategorie));
    lblBarrage_->setText(Q(T::InvBarrage));
    grpOpnemen_->setTitle(Q(T::InvOpnemenIn));
    cbStand_->setText(Q(T::InvStand));
    cbRooster_->setText(Q(T::InvRooster));
    grpNationaal_->setTitle(Q(T::InvNationaal));
    lblRating_->setText(Q(T::InvRatingNat));
    lblTitel_->setText(Q(T::InvTitelNat));
    grpFMJD_->setTitle(Q(T::InvFMJD));
    lblFMJDRating_->setText(Q(T::InvRatingFMJD));
    lblFMJDTitel_->setText(Q(T::InvTitelFMJD));
    lblFMJDID_->setText(Q(T::InvFMJDID));
    const T nat[] = {T::InvGeen, T::TitelCMN, T::TitelMN, T::TitelGMN};
    const T fmjd[] = {T::InvGeen, T::TitelMF, T::TitelMI, T::TitelGMI};
    for (int i = 0; i < 4; ++i) {
        cbTitel_->setItemText(i, Q(nat[i]));
        cbFMJDTitel_->setItemText(i, Q(fmjd[i]));
    }
    cbGebruikRatingbestand_->setText(Q(T::InvGebruikRatingbestand));
    cbFMJDBestand_->setText(Q(T::InvFMJDBestand));
    cbVolledigeVoornaam_->setText(Q(T::InvVolledigeVoornaam));
    grpNatLijst_->setTitle(Q(T::RatNationaleLijst));
    grpFMJDLijst_->setTitle(Q(T::RatFMJDLijst));
    lblZoekNat_->setText(Q(T::RatZoeken));
    lblZoekFMJD_->setText(Q(T::RatZoeken));
    natGevuld_.clear(), fmjdGevuld_.clear(); // the file lines are in the language in force
    if (invoer_) VulLijsten();
    knopOk_->setText(Q(T::BtnOK));
    knopAnnuleren_->setText(Q(T::InvAnnuleren));
    knopHelp_->setText(Q(T::InvHelp));
}

void SpelerInvoerDialoog::Zet(TInvoerSpelers& invoer) {
    invoer_ = &invoer;
    ToonVelden();
    edLotingNr_->setEnabled(invoer.NummerToegestaan());
    lblLotingNr_->setEnabled(invoer.NummerToegestaan());
    for (QCheckBox* c : {cbGebruikRatingbestand_, cbFMJDBestand_, cbVolledigeVoornaam_})
        c->blockSignals(true);
    cbGebruikRatingbestand_->setChecked(o_.C.GebruikRatingbestand);
    cbFMJDBestand_->setChecked(o_.C.GebruikFMJDBestand);
    cbVolledigeVoornaam_->setChecked(o_.C.VolledigeVoornaam);
    for (QCheckBox* c : {cbGebruikRatingbestand_, cbFMJDBestand_, cbVolledigeVoornaam_})
        c->blockSignals(false);
    VulLijsten();
    const bool nat = natModel_->Keuze().Totaal() > 0, fmjd = fmjdModel_->Keuze().Totaal() > 0;
    edNaam_->setFocus();
    edNaam_->selectAll();
    if (nat && cbGebruikRatingbestand_->isChecked()) lbNat_->setFocus();
    if (fmjd && cbFMJDBestand_->isChecked()) lbFMJD_->setFocus();
}

void SpelerInvoerDialoog::ToonVelden() {
    const Spelervelden& v = invoer_->Velden;
    auto zet = [](QLineEdit* e, const std::string& t) {
        // Setting the same text again would move the cursor of the field being typed in.
        if (e->text() != Q(t)) e->setText(Q(t));
    };
    zet(edNaam_, v.Naam);
    zet(edLotingNr_, v.LotingNr);
    zet(edKort_, v.Kort);
    zet(edPlaats_, v.Plaats);
    zet(edLand_, v.Land);
    for (std::size_t i = 0; i < edCat_.size(); ++i) zet(edCat_[i], v.Cat[i]);
    zet(edBarrage_, v.Barrage);
    cbStand_->setChecked(v.Stand);
    cbRooster_->setChecked(v.Rooster);
    sbRating_->setValue(v.Rating);
    cbTitel_->setCurrentIndex(v.LokaleTitel);
    sbFMJDRating_->setValue(v.FMJDRating);
    cbFMJDTitel_->setCurrentIndex(v.FMJDTitel);
    zet(edFMJDID_, v.FMJDID);
    lblFMJDNaam_->setText(Q(v.FMJDNaam));
}

void SpelerInvoerDialoog::VulLijsten() {
    static const NationaleLijst geenNationaal;
    static const FMJDLijst geenFMJD;
    const NationaleLijst& nat = o_.Lijsten ? o_.Lijsten->Nationaal : geenNationaal;
    const FMJDLijst& fmjd = o_.Lijsten ? o_.Lijsten->FMJD : geenFMJD;
    const std::string natRegel = Bestandsregel(nat.Bestand, {}, nat.Spelers.size());
    const std::string fmjdRegel = Bestandsregel(fmjd.Bestand, fmjd.Editie, fmjd.Spelers.size());
    // A list is filled again only when it changed (the FMJD variant may have been switched).
    if (natRegel != natGevuld_) {
        natModel_->Zet(Ratingkeuze(nat));
        edZoekNat_->clear();
        natGevuld_ = natRegel;
    }
    if (fmjdRegel != fmjdGevuld_) {
        fmjdModel_->Zet(Ratingkeuze(fmjd));
        edZoekFMJD_->clear();
        fmjdGevuld_ = fmjdRegel;
    }
    lblNatBestand_->setText(Q(natRegel));
    lblFMJDBestand_->setText(Q(fmjdRegel));
    // An empty list is hidden and cannot be chosen; its group still says no file was found.
    const bool heeftNat = !nat.Spelers.empty(), heeftFMJD = !fmjd.Spelers.empty();
    for (QWidget* w : {static_cast<QWidget*>(lbNat_), static_cast<QWidget*>(edZoekNat_),
                       static_cast<QWidget*>(lblZoekNat_)})
        w->setVisible(heeftNat);
    for (QWidget* w : {static_cast<QWidget*>(lbFMJD_), static_cast<QWidget*>(edZoekFMJD_),
                       static_cast<QWidget*>(lblZoekFMJD_)})
        w->setVisible(heeftFMJD);
    cbGebruikRatingbestand_->setEnabled(heeftNat);
    cbFMJDBestand_->setEnabled(heeftFMJD);
    cbVolledigeVoornaam_->setEnabled(heeftNat || heeftFMJD);
}

void SpelerInvoerDialoog::NeemOver(bool fmjd, const QModelIndex& i) {
    if (!invoer_ || !o_.Lijsten || !i.isValid()) return;
    LeesVelden();
    const auto index = static_cast<std::size_t>(i.data(Qt::UserRole).toULongLong());
    const bool volledig = cbVolledigeVoornaam_->isChecked();
    if (fmjd)
        invoer_->NeemFMJDOver(o_.Lijsten->FMJD.Spelers.at(index), volledig);
    else
        invoer_->NeemNationaalOver(o_.Lijsten->Nationaal.Spelers.at(index),
                                   o_.Lijsten->Nationaal.VolledigeKNDBLijst(), volledig);
    ToonVelden();
}

void SpelerInvoerDialoog::Positioneer() {
    const Ratingkeuze& k = natModel_->Keuze();
    if (k.Aantal() == 0) return;
    const std::size_t rij = std::min(k.Positie(S(edNaam_->text())), k.Aantal() - 1);
    const QModelIndex i = natModel_->index(static_cast<int>(rij));
    lbNat_->setCurrentIndex(i);
    lbNat_->scrollTo(i, QAbstractItemView::PositionAtTop);
}

bool SpelerInvoerDialoog::Toon(TInvoerSpelers& invoer) {
    Zet(invoer);
    const bool ok = exec() == QDialog::Accepted;
    invoer_ = nullptr;
    return ok;
}

void SpelerInvoerDialoog::LeesVelden() {
    Spelervelden& v = invoer_->Velden;
    v.Naam = S(edNaam_->text());
    v.LotingNr = S(edLotingNr_->text());
    v.Kort = S(edKort_->text());
    v.Plaats = S(edPlaats_->text());
    v.Land = S(edLand_->text());
    for (std::size_t i = 0; i < edCat_.size(); ++i) v.Cat[i] = S(edCat_[i]->text());
    v.Barrage = S(edBarrage_->text());
    v.Stand = cbStand_->isChecked();
    v.Rooster = cbRooster_->isChecked();
    v.Rating = sbRating_->value();
    v.LokaleTitel = cbTitel_->currentIndex();
    v.FMJDRating = sbFMJDRating_->value();
    v.FMJDTitel = cbFMJDTitel_->currentIndex();
    v.FMJDID = S(edFMJDID_->text());
    v.FMJDNaam = S(lblFMJDNaam_->text());
}

void SpelerInvoerDialoog::Ok() {
    if (!invoer_) return;
    LeesVelden();
    // The record is read back on a scratch copy first: a number that is not a number, or a
    // blank name, keeps the dialog open with the fields as typed.
    Spelergegevens proef;
    if (invoer_->GetData(proef))
        accept();
    else
        edNaam_->setFocus();
}

bool SpelerInvoerDialoog::eventFilter(QObject* o, QEvent* e) {
    // Only a move to another control leaves the name; a menu or another window does not.
    if ((o == edNaam_ || o == edKort_) && e->type() == QEvent::FocusOut && invoer_ && isVisible() &&
        static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
        if (o == edNaam_) {
            invoer_->Velden.Naam = S(edNaam_->text());
            invoer_->NaamVerlaten();
        }
        Positioneer();
    }
    return Dialoog::eventFilter(o, e);
}

} // namespace velkaro::ui
