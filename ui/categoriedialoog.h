// The categories dialog ("Categorieen invoeren"): the list of categories with the two fields
// and the buttons that add and delete one (entry/categorieen.h).
#pragma once

#include "entry/categorieen.h"
#include "ui/dialoog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velkaro::ui {

class CategorieDialoog final : public Dialoog {
    Q_OBJECT
public:
    CategorieDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Toon();

    Tcategoriescherm scherm_;
    QListWidget* lijst_;
    QLineEdit *edLetter_, *edOmschrijving_;
    QLabel *lblLetter_, *lblOmschrijving_;
    QPushButton *knopInvoegen_, *knopVerwijderen_, *knopOk_, *knopHelp_;
};

} // namespace velkaro::ui
