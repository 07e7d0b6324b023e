// velkaro-cli import, export-wds: foreign files into a competition, and a group as a WDS file.
#include "cli/context.h"
#include "entry/bestandsfout.h"
#include "entry/importeren.h"
#include "lang/teksten.h"
#include "storage/bestandsnamen.h"
#include "storage/import.h"

#include <filesystem>

namespace velkaro::cli {

namespace {

int Import(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    const std::string bron = a.Positie(0, "SOURCE");
    const std::string doel = MetXv7(a.Positie(1, "OUT"));
    const bool z6e = IsZ6EBestand(bron);
    if (!z6e && !IsImportbestand(bron))
        throw Weigering(BestandsfoutTekst({Bestandsfout::AnderFormaat, bron, {}, {}}));
    if (a.Vlag("--add") && a.Vlag("--overwrite"))
        throw Gebruiksfout("--add and --overwrite exclude each other");
    if (z6e && a.Vlag("--add"))
        throw Gebruiksfout("--add: a .z6e file always becomes a new competition");
    // Anything under the name counts, a link to nothing included.
    std::error_code ec;
    const bool bestaat = std::filesystem::exists(std::filesystem::symlink_status(doel, ec));
    Competitie c;
    if (bestaat && a.Vlag("--add")) {
        Open(c, doel, u.err);
    } else {
        if (bestaat && !a.Vlag("--overwrite"))
            throw Weigering(lang::Tekst(lang::T::BestandBestaatAl) + ": " + doel + " (" +
                            lang::Tekst(lang::T::AntwoordMetOptie) + " --overwrite, --add)");
        Vergrendel(doel);
        // A link or pipe planted under the new competition's names goes, so that its files
        // are created there rather than written through it.
        for (const std::string& naam : {doel, Groepsbestand(doel, 1)}) VerwijderGeplant(naam);
        if (!z6e) BeginImport(c, doel);
    }
    const Importresultaat r = z6e ? ImporteerZ6E(c, bron, doel) : Importeer(c, bron);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r.Bestand));
    for (const auto& m : r.Meldingen)
        u.err << lang::Tekst(lang::T::Waarschuwing) << ": " << ImportmeldingTekst(m) << '\n';
    if (r.WeggelatenMeldingen > 0)
        u.err << lang::Tekst(lang::T::Waarschuwing) << ": " << r.WeggelatenMeldingen << " "
              << lang::Tekst(lang::T::ImpMeerMeldingen) << '\n';
    u.out << c.Bestandsnaam << '\n';
    return 0;
}

int ExportWDS(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    const auto r = ExporteerWDS(c);
    if (r.Weigering != WDSWeigering::Geen)
        throw Weigering(WDSWeigeringTekst(r.Weigering) + ": " + r.Pad);
    if (!r.Bestand.Ok()) throw Weigering(BestandsfoutTekst(r.Bestand));
    u.out << r.Pad << '\n';
    return 0;
}

} // namespace

void ImportOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"import",
         "import SOURCE OUT.xv7 [--overwrite | --add]",
         "Imports a foreign file into the competition OUT.xv7; the format follows SOURCE's\n"
         "extension (any case): .z6e (a competition of the earlier program: every group\n"
         "becomes a group), .wds, .dee (with its .sco beside it), .doc (a Turbo Dambase game\n"
         "list) or .txt (a result list). An existing OUT is replaced only with --overwrite;\n"
         "with --add the import goes into it, into its first group while that is still\n"
         "empty and untouched, otherwise into a new group. What could not be taken over (a\n"
         "result text not recognised: the match stays without a result) is reported on\n"
         "stderr. Prints the competition file.",
         {},
         {"--overwrite", "--add"},
         Import});
    t.push_back({"export-wds",
                 "export-wds FILE.xv7",
                 "Writes the open group as a WDS file beside the competition: named after the\n"
                 "tournament name, or after the competition and the group's file number when\n"
                 "that name holds a point, colon or slash. A group with players numbered above\n"
                 "255 or more than 2000 games with a result is refused. Prints the file written.",
                 {},
                 {},
                 ExportWDS});
}

} // namespace velkaro::cli
