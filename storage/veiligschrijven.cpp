#include "storage/veiligschrijven.h"

#include "storage/bestandsnamen.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace velkaro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kAchtervoegsel = ".tmp~";
constexpr std::size_t kWillekeurig = 8;
constexpr int kMaxLinks = 40;

std::function<void(const std::string&)>& Waarnemer() {
    static std::function<void(const std::string&)> w;
    return w;
}

std::function<void(const std::string&)>& Wijzigingwaarnemer() {
    static std::function<void(const std::string&)> w;
    return w;
}

Bestandsresultaat Fout(Bestandsfout f, const std::string& pad, std::string detail = {}) {
    return Bestandsresultaat{f, pad, std::move(detail), {}};
}

std::string Willekeurig() {
    static constexpr char tekens[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937_64 gen{std::random_device{}() ^
                                            (static_cast<uint64_t>(::getpid()) << 32)};
    std::string s(kWillekeurig, ' ');
    for (char& c : s) c = tekens[gen() % (sizeof tekens - 1)];
    return s;
}

bool Synchroniseer(int fd, const std::string& pad) {
    if (::fsync(fd) != 0) return false;
    if (Waarnemer()) Waarnemer()(pad);
    return true;
}

// Flushes the folder's entries, so a rename in it survives a power loss.
void SynchroniseerMap(const std::string& bestand) {
    std::string map = fs::path(bestand).parent_path().string();
    if (map.empty()) map = ".";
    const int fd = ::open(map.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    Synchroniseer(fd, map);
    ::close(fd);
}

// Whether a directory entry name is a temporary file of the file named naam.
bool IsTijdelijkVan(std::string_view entry, std::string_view naam) {
    if (entry.size() <= naam.size() || entry.substr(0, naam.size()) != naam) return false;
    std::string_view rest = entry.substr(naam.size());
    if (rest == kAchtervoegsel) return true; // the fixed name of older versions
    if (rest.size() != 1 + kWillekeurig + kAchtervoegsel.size() || rest[0] != '.') return false;
    if (rest.substr(1 + kWillekeurig) != kAchtervoegsel) return false;
    for (char c : rest.substr(1, kWillekeurig))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

} // namespace

std::string Schrijfdoel(const std::string& pad) {
    fs::path p = pad;
    std::error_code ec;
    for (int i = 0; i < kMaxLinks && fs::is_symlink(fs::symlink_status(p, ec)); ++i) {
        const fs::path t = fs::read_symlink(p, ec);
        if (ec) break;
        p = t.is_absolute() ? t : p.parent_path() / t;
    }
    return p.lexically_normal().string();
}

Bestandsresultaat ControleerSchrijfbaar(const std::string& pad) {
    const std::string doel = Schrijfdoel(pad);
    struct stat st {};
    if (::stat(doel.c_str(), &st) != 0) return {}; // created by the save
    if (S_ISDIR(st.st_mode))
        return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(EISDIR));
    if (!S_ISREG(st.st_mode)) return Fout(Bestandsfout::GeenGewoonBestand, pad);
    // Made read-only by its user: the save does not quietly put a writable file in its place.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        (::access(doel.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS)))
        return Fout(Bestandsfout::AlleenLezen, pad);
    return {};
}

Tijdelijkbestand::Tijdelijkbestand(Tijdelijkbestand&& a) noexcept
    : pad_(std::move(a.pad_)), doel_(std::move(a.doel_)), tijdelijk_(std::move(a.tijdelijk_)) {
    a.tijdelijk_.clear();
}

Tijdelijkbestand& Tijdelijkbestand::operator=(Tijdelijkbestand&& a) noexcept {
    if (this != &a) {
        if (!tijdelijk_.empty()) ::unlink(tijdelijk_.c_str());
        pad_ = std::move(a.pad_);
        doel_ = std::move(a.doel_);
        tijdelijk_ = std::move(a.tijdelijk_);
        a.tijdelijk_.clear();
    }
    return *this;
}

Tijdelijkbestand::~Tijdelijkbestand() {
    if (!tijdelijk_.empty()) ::unlink(tijdelijk_.c_str());
}

Bestandsresultaat Tijdelijkbestand::Maak(const std::string& pad, std::string_view inhoud,
                                         Tijdelijkbestand& uit, bool volgLink) {
    uit = Tijdelijkbestand();
    struct stat oud {};
    bool bestaat = false;
    std::string doel = pad;
    if (volgLink) {
        if (auto r = ControleerSchrijfbaar(pad); !r.Ok()) return r;
        doel = Schrijfdoel(pad);
        bestaat = ::stat(doel.c_str(), &oud) == 0;
    } else if (::lstat(pad.c_str(), &oud) == 0) {
        if (S_ISDIR(oud.st_mode))
            return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(EISDIR));
        // Only a plain file of the name hands on its mode; anything else is simply replaced.
        bestaat = S_ISREG(oud.st_mode);
    }

    // O_EXCL creates a new file or fails: a link or file planted under the name is never
    // followed or reused.
    std::string naam;
    int fd = -1;
    for (int poging = 0; poging < 100 && fd < 0; ++poging) {
        naam = doel + "." + Willekeurig() + std::string(kAchtervoegsel);
        fd = ::open(naam.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    bestaat ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(errno));
    uit.pad_ = pad;
    uit.doel_ = doel;
    uit.tijdelijk_ = naam;

    int fout = 0;
    for (std::size_t gedaan = 0; gedaan < inhoud.size() && fout == 0;) {
        const ssize_t n = ::write(fd, inhoud.data() + gedaan, inhoud.size() - gedaan);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            fout = n < 0 ? errno : EIO;
        else
            gedaan += static_cast<std::size_t>(n);
    }
    if (fout == 0 && bestaat) {
        // The replacement keeps the mode and, where the system allows it, the owner.
        if (::fchmod(fd, oud.st_mode & 07777) != 0) fout = errno;
        if (fout == 0 && (oud.st_uid != ::geteuid() || oud.st_gid != ::getegid()))
            (void)!::fchown(fd, oud.st_uid, oud.st_gid);
    }
    if (fout == 0 && !Synchroniseer(fd, naam)) fout = errno;
    if (::close(fd) != 0 && fout == 0) fout = errno;
    if (fout != 0) {
        uit = Tijdelijkbestand(); // removes it
        return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(fout));
    }
    return {};
}

Bestandsresultaat Tijdelijkbestand::Vervang() {
    if (tijdelijk_.empty()) return Fout(Bestandsfout::SchrijvenMislukt, pad_);
    if (::rename(tijdelijk_.c_str(), doel_.c_str()) != 0) {
        const int fout = errno;
        ::unlink(tijdelijk_.c_str());
        tijdelijk_.clear();
        return Fout(Bestandsfout::SchrijvenMislukt, pad_, std::strerror(fout));
    }
    tijdelijk_.clear();
    SynchroniseerMap(doel_);
    return {};
}

std::string Journaalbestand(const std::string& pad) {
    std::error_code ec;
    const auto echt = fs::weakly_canonical(fs::absolute(MetXv7(pad), ec), ec);
    return Basisnaam(ec || echt.empty() ? pad : echt.string()) + ".jnl";
}

namespace {

constexpr std::string_view kJournaalkop = "VELKARO-JOURNAAL 1";

std::string Absoluut(const std::string& pad) {
    std::error_code ec;
    const auto p = fs::absolute(pad, ec);
    return ec ? pad : p.lexically_normal().string();
}

std::string Echt(const std::string& pad) {
    std::error_code ec;
    const auto p = fs::weakly_canonical(fs::absolute(pad, ec), ec);
    return ec ? pad : p.string();
}

// Whether naam is the main file or a group file of the competition: a journal only ever
// touches those, whatever a planted journal might say.
// The main file counts under the name it was opened by and under its real name.
bool IsCompetitienaam(const std::string& hoofdbestand, const std::string& naam) {
    const fs::path n = Absoluut(naam);
    const std::string map = Echt(n.parent_path().string()), bestand = n.filename().string();
    for (const fs::path& h :
         {fs::path(Absoluut(MetXv7(hoofdbestand))), fs::path(Echt(MetXv7(hoofdbestand)))}) {
        if (Echt(h.parent_path().string()) != map) continue;
        const std::string stam = h.stem().string();
        if (bestand == h.filename().string()) return true;
        if (bestand.size() <= stam.size() + 1 ||
            bestand.compare(0, stam.size() + 1, stam + ".") != 0)
            continue;
        const std::string nummer = bestand.substr(stam.size() + 1);
        if (nummer.size() <= 10 && nummer.find_first_not_of("0123456789") == std::string::npos)
            return true;
    }
    return false;
}

} // namespace

Bestandsresultaat Wijziging::Schrijf(const std::string& pad, std::string_view inhoud,
                                     bool volgLink) {
    Tijdelijkbestand t;
    auto res = Tijdelijkbestand::Maak(pad, inhoud, t, volgLink);
    if (res.Ok()) nieuw_.push_back(std::move(t));
    return res;
}

void Wijziging::Verwijder(const std::string& pad) {
    weg_.push_back(pad);
}

Bestandsresultaat Wijziging::Voltooi() {
    // One file alone is replaced by one rename: no journal needed.
    if (weg_.empty() && nieuw_.size() <= 1) {
        Bestandsresultaat res;
        if (!nieuw_.empty()) {
            if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(nieuw_[0].Doel());
            res = nieuw_[0].Vervang();
        }
        nieuw_.clear();
        return res;
    }
    std::string journaal(kJournaalkop);
    journaal += '\n';
    auto regel = [&](const std::string& s) { journaal += s + '\n'; };
    for (const auto& t : nieuw_) {
        regel("V");
        regel(Absoluut(t.Pad()));
        regel(Absoluut(t.Naam()));
        regel(Absoluut(t.Doel()));
    }
    for (const auto& w : weg_) {
        regel("W");
        regel(Absoluut(w));
    }
    regel("EINDE");
    if (journaal.find('\0') != std::string::npos)
        return Fout(Bestandsfout::SchrijvenMislukt, hoofdbestand_);
    const std::string jnl = Journaalbestand(hoofdbestand_);
    {
        Tijdelijkbestand j;
        if (auto res = Tijdelijkbestand::Maak(jnl, journaal, j, false); !res.Ok()) return res;
        if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(jnl);
        if (auto res = j.Vervang(); !res.Ok()) return res;
    }
    // From here the journal names the temporary files: they stay until they are renamed. A
    // failure leaves the journal, by which the next open finishes the change.
    std::vector<std::pair<std::string, std::string>> vervang;
    for (auto& t : nieuw_) {
        vervang.emplace_back(t.Naam(), t.Doel());
        t.Behoud();
    }
    nieuw_.clear();
    // One file per folder changed, whose folder is flushed once at the end.
    std::vector<std::string> mappen, bestanden;
    auto onthoud = [&](const std::string& pad) {
        const std::string m = fs::path(pad).parent_path().string();
        if (std::find(mappen.begin(), mappen.end(), m) != mappen.end()) return;
        mappen.push_back(m);
        bestanden.push_back(pad);
    };
    for (const auto& [tijdelijk, doel] : vervang) {
        if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(doel);
        if (::rename(tijdelijk.c_str(), doel.c_str()) != 0)
            return Fout(Bestandsfout::SchrijvenMislukt, doel, std::strerror(errno));
        onthoud(doel);
    }
    for (const auto& w : weg_) {
        if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(w);
        if (::unlink(w.c_str()) != 0 && errno != ENOENT)
            return Fout(Bestandsfout::SchrijvenMislukt, w, std::strerror(errno));
        onthoud(w);
    }
    for (const auto& b : bestanden) SynchroniseerMap(b);
    if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(jnl);
    ::unlink(jnl.c_str());
    SynchroniseerMap(jnl);
    return {};
}

bool HerstelWijziging(const std::string& hoofdbestand) {
    const std::string jnl = Journaalbestand(hoofdbestand);
    struct stat st {};
    if (::lstat(jnl.c_str(), &st) != 0) return false;
    // Only a journal this user's program wrote; anything else under the name is ignored.
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return false;
    Bestandsfout f = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(jnl, f);
    if (!inhoud) return false;
    std::vector<std::string> r;
    for (std::size_t b = 0; b < inhoud->size();) {
        const std::size_t e = inhoud->find('\n', b);
        if (e == std::string::npos) break;
        r.push_back(inhoud->substr(b, e - b));
        b = e + 1;
    }
    // A journal is written whole through a temporary file; one that is not whole is no journal.
    if (r.empty() || r.front() != kJournaalkop || r.back() != "EINDE") {
        ::unlink(jnl.c_str());
        return false;
    }
    std::vector<std::string> mappen;
    for (std::size_t i = 1; i + 1 < r.size();) {
        if (r[i] == "V" && i + 4 < r.size()) {
            const std::string &naam = r[i + 1], &tijdelijk = r[i + 2], &doel = r[i + 3];
            i += 4;
            const fs::path d(doel);
            if (!IsCompetitienaam(hoofdbestand, naam) || Echt(naam) != Echt(doel) ||
                fs::path(tijdelijk).parent_path() != d.parent_path() ||
                !IsTijdelijkVan(fs::path(tijdelijk).filename().string(), d.filename().string()))
                continue;
            struct stat t {};
            if (::lstat(tijdelijk.c_str(), &t) != 0 || !S_ISREG(t.st_mode)) continue; // done
            if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(doel);
            if (::rename(tijdelijk.c_str(), doel.c_str()) != 0) return true; // tried again later
            if (std::find(mappen.begin(), mappen.end(), d.parent_path().string()) == mappen.end())
                mappen.push_back(d.parent_path().string());
        } else if (r[i] == "W" && i + 1 < r.size()) {
            const std::string& pad = r[i + 1];
            i += 2;
            if (!IsCompetitienaam(hoofdbestand, pad)) continue;
            if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(pad);
            if (::unlink(pad.c_str()) != 0 && errno != ENOENT) return true;
            const std::string m = fs::path(pad).parent_path().string();
            if (std::find(mappen.begin(), mappen.end(), m) == mappen.end()) mappen.push_back(m);
        } else {
            break;
        }
    }
    for (const auto& m : mappen) SynchroniseerMap(m + "/x");
    if (Wijzigingwaarnemer()) Wijzigingwaarnemer()(jnl);
    ::unlink(jnl.c_str());
    SynchroniseerMap(jnl);
    return true;
}

void ZetWijzigingWaarnemer(std::function<void(const std::string&)> waarnemer) {
    Wijzigingwaarnemer() = std::move(waarnemer);
}

int RuimTijdelijkeOp(const std::vector<std::string>& paden, std::chrono::seconds minLeeftijd) {
    int weg = 0;
    const auto grens = fs::file_time_type::clock::now() - minLeeftijd;
    std::vector<fs::path> doelen;
    for (const auto& p : paden) doelen.emplace_back(Schrijfdoel(p));
    std::vector<fs::path> mappen;
    for (const auto& d : doelen)
        if (std::find(mappen.begin(), mappen.end(), d.parent_path()) == mappen.end())
            mappen.push_back(d.parent_path());
    for (const auto& map : mappen) {
        std::error_code ec;
        fs::directory_iterator it(map.empty() ? fs::path(".") : map, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string naam = it->path().filename().string();
            bool van = false;
            for (const auto& d : doelen)
                if (d.parent_path() == map && IsTijdelijkVan(naam, d.filename().string()))
                    van = true;
            if (!van) continue;
            std::error_code ec2;
            const auto st = fs::symlink_status(it->path(), ec2);
            // A planted link is removed as a link; its target is never touched.
            if (!ec2 && !fs::is_symlink(st)) {
                const auto tijd = fs::last_write_time(it->path(), ec2);
                if (ec2 || tijd > grens) continue;
            }
            if (fs::remove(it->path(), ec2)) ++weg;
        }
    }
    return weg;
}

void ZetSyncWaarnemer(std::function<void(const std::string&)> waarnemer) {
    Waarnemer() = std::move(waarnemer);
}

} // namespace velkaro
