// The test class of the report dialog, the sort dialog, the screen view and the print
// preview (apart, so that moc reads only Qt headers).
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <string>

class TestRapport : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }
    // A copy of the demo competition in a folder of the scratch folder.
    std::string Demo(const QString& map) const;
    // The largest competition: 255 players, 50 rounds, cross table on.
    std::string Grootste() const;

private slots:
    void init();
    void menuEnKnoppen();
    void elkeSoortAlsDeOpdrachtregel();
    void schijfGelijkAanDeOpdrachtregel();
    void beeldschermToontHetRapport();
    void grootsteRanglijstNaarPdf();
    void afdrukkenZonderVenster();
    void pdfNaamEnZoom();
    void afdrukkenVanZonderGaten();
};
