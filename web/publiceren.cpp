#include "web/publiceren.h"

#include "lang/teksten.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace velkaro::web {

namespace fs = std::filesystem;
using lang::T;
using lang::Tekst;

namespace {

[[noreturn]] void Mislukt(const std::string& wat) {
    throw Publicatiefout(Tekst(T::PubliceerMislukt) + ": " + wat);
}

fs::path Absoluut(const std::string& map) {
    fs::path p = fs::absolute(fs::path(map)).lexically_normal();
    // "site/" names the folder "site".
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) p = p.parent_path();
    return p;
}

bool Onder(const fs::path& p, const fs::path& map) {
    auto a = map.begin(), b = p.begin();
    for (; a != map.end(); ++a, ++b) {
        if (b == p.end() || *a != *b) return false;
    }
    return true;
}

void SchrijfBestand(const fs::path& pad, const std::string& inhoud) {
    // Created new in a folder of our own: never through a link, never over a file.
    const int fd = ::open(pad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) Mislukt(pad.string() + ": " + std::strerror(errno));
    std::size_t gedaan = 0;
    while (gedaan < inhoud.size()) {
        const ssize_t n = ::write(fd, inhoud.data() + gedaan, inhoud.size() - gedaan);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int fout = errno;
            ::close(fd);
            Mislukt(pad.string() + ": " + std::strerror(fout));
        }
        gedaan += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) Mislukt(pad.string() + ": " + std::strerror(errno));
}

// Swaps two names at once where the system can; elsewhere the old folder is moved aside first.
bool WisselOm(const fs::path& a, const fs::path& b) {
#if defined(__linux__) && defined(RENAME_EXCHANGE)
    return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
#else
    (void)a;
    (void)b;
    return false;
#endif
}

} // namespace

void ControleerUitmap(const Competitie& c, const std::string& uitmap) {
    if (uitmap.empty()) throw Publicatiefout(Tekst(T::PubliceerGeenMap));
    const fs::path uit = Absoluut(uitmap);
    if (!uit.has_parent_path() || uit == uit.root_path() || !uit.has_filename())
        throw Publicatiefout(Tekst(T::PubliceerMapIsCompetitiemap) + ": " + uit.string());
    std::error_code fout;
    if (!c.Bestandsnaam.empty()) {
        const fs::path competitie =
            fs::weakly_canonical(Absoluut(c.Bestandsnaam).parent_path(), fout);
        const fs::path doel = fs::weakly_canonical(uit, fout);
        if (Onder(competitie, doel) || Onder(competitie, uit))
            throw Publicatiefout(Tekst(T::PubliceerMapIsCompetitiemap) + ": " + uit.string());
    }
    const auto st = fs::symlink_status(uit, fout);
    if (!fs::exists(st)) {
        if (!fs::is_directory(uit.parent_path(), fout)) Mislukt(uit.parent_path().string());
        return;
    }
    if (fs::is_symlink(st) || !fs::is_directory(st))
        throw Publicatiefout(Tekst(T::PubliceerMapNietVanSite) + ": " + uit.string());
    if (fs::exists(fs::symlink_status(uit / kSitemerk, fout))) return;
    if (!fs::is_empty(uit, fout) || fout)
        throw Publicatiefout(Tekst(T::PubliceerMapNietVanSite) + ": " + uit.string());
}

void SchrijfSite(const Site& site, const std::string& uitmap) {
    const fs::path uit = Absoluut(uitmap);
    const fs::path ouder = uit.parent_path();
    std::string sjabloon = (ouder / ("." + uit.filename().string() + ".nieuw-XXXXXX")).string();
    if (!::mkdtemp(sjabloon.data())) Mislukt(ouder.string() + ": " + std::strerror(errno));
    const fs::path nieuw = sjabloon;
    std::error_code fout;
    try {
        for (const auto& [naam, inhoud] : site.Bestanden) {
            const fs::path pad = nieuw / fs::path(naam);
            if (pad.parent_path() != nieuw && !fs::is_directory(pad.parent_path()))
                if (::mkdir(pad.parent_path().c_str(), 0755) != 0)
                    Mislukt(pad.parent_path().string() + ": " + std::strerror(errno));
            SchrijfBestand(pad, inhoud);
        }
        SchrijfBestand(nieuw / kSitemerk, "Velkaro\n");
        // The pages are not flushed to disk one by one: that costs more than building them,
        // and a site lost in a crash is published again from the competition; the swap alone
        // is what keeps a web server from serving half a site.
        // A web server reads the folder as any other user.
        if (::chmod(nieuw.c_str(), 0755) != 0)
            Mislukt(nieuw.string() + ": " + std::strerror(errno));
        if (!fs::exists(fs::symlink_status(uit, fout))) {
            if (::rename(nieuw.c_str(), uit.c_str()) != 0)
                Mislukt(uit.string() + ": " + std::strerror(errno));
            return;
        }
        if (WisselOm(nieuw, uit)) {
            fs::remove_all(nieuw, fout); // now the old site
            return;
        }
        std::string oudSjabloon =
            (ouder / ("." + uit.filename().string() + ".oud-XXXXXX")).string();
        if (!::mkdtemp(oudSjabloon.data())) Mislukt(ouder.string() + ": " + std::strerror(errno));
        const fs::path oud = fs::path(oudSjabloon) / "site";
        if (::rename(uit.c_str(), oud.c_str()) != 0)
            Mislukt(uit.string() + ": " + std::strerror(errno));
        if (::rename(nieuw.c_str(), uit.c_str()) != 0) {
            const int e = errno;
            ::rename(oud.c_str(), uit.c_str());
            Mislukt(uit.string() + ": " + std::strerror(e));
        }
        fs::remove_all(oudSjabloon, fout);
    } catch (...) {
        fs::remove_all(nieuw, fout);
        throw;
    }
}

Publicatie Publiceer(const Competitie& c, const std::string& uitmap, const Siteopties& opties) {
    ControleerUitmap(c, uitmap);
    const Site site = BouwSite(c, opties);
    SchrijfSite(site, uitmap);
    Publicatie p;
    p.Bestanden = site.Bestanden.size();
    p.Waarschuwingen = site.Waarschuwingen;
    return p;
}

} // namespace velkaro::web
