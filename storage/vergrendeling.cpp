#include "storage/vergrendeling.h"

#include "storage/bestandsnamen.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace velkaro {

namespace {

Bestandsresultaat NietVergrendeld(const std::string& naam, int fout) {
    return Bestandsresultaat{
        Bestandsfout::NietVergrendeld, naam, fout != 0 ? std::strerror(fout) : std::string(), {}};
}

// The main file as the system knows it: links in the folder and the file itself followed,
// so two ways to the same competition name the same lock files.
std::string EchtPad(const std::string& pad) {
    std::error_code ec;
    const auto p = std::filesystem::weakly_canonical(std::filesystem::absolute(pad, ec), ec);
    return ec || p.empty() ? pad : p.string();
}

} // namespace

Competitieslot::Competitieslot(Competitieslot&& a) noexcept
    : fd_(a.fd_), naam_(std::move(a.naam_)) {
    a.fd_ = -1;
}

Competitieslot& Competitieslot::operator=(Competitieslot&& a) noexcept {
    if (this != &a) {
        Laat();
        fd_ = a.fd_;
        naam_ = std::move(a.naam_);
        a.fd_ = -1;
    }
    return *this;
}

Competitieslot::~Competitieslot() {
    Laat();
}

void Competitieslot::Laat() {
    if (fd_ < 0) return;
    // Removed only while this program holds it alone and the name is still its file; one
    // that waits for it finds the name gone once it has it, and starts again.
    struct stat eigen {
    }, naam{};
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd_, &eigen) == 0 &&
        ::lstat(naam_.c_str(), &naam) == 0 && eigen.st_dev == naam.st_dev &&
        eigen.st_ino == naam.st_ino)
        ::unlink(naam_.c_str());
    ::close(fd_); // closing lets the lock go
    fd_ = -1;
}

Bestandsresultaat Competitieslot::Neem(const std::string& pad, Slotsoort soort,
                                       std::chrono::milliseconds wachttijd, Competitieslot& uit,
                                       Slotdoel doel) {
    uit.Laat();
    const std::string echt = EchtPad(pad);
    const std::string naam =
        doel == Slotdoel::Wijzigen ? Vergrendelbestand(echt) : Leesslotbestand(echt);
    const int wijze = soort == Slotsoort::Exclusief ? LOCK_EX : LOCK_SH;
    const auto eind = std::chrono::steady_clock::now() + wachttijd;
    auto pauze = std::chrono::milliseconds(5);
    for (;;) {
        // Never through a link and never a pipe: the lock file is a plain file of its own.
        const int vlaggen = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        int fd = ::open(naam.c_str(), O_RDWR | O_CREAT | vlaggen, 0666);
        int fout = errno;
        if (fd < 0 && (fout == EACCES || fout == EROFS)) {
            // A lock file the user may only read still locks; without one the folder is
            // read-only, and the first reason stands.
            fd = ::open(naam.c_str(), O_RDONLY | vlaggen);
            if (fd < 0 && errno != ENOENT) fout = errno;
        }
        if (fd < 0) {
            struct stat st {};
            // No lock file and none can be made: a read-only folder, where no save can
            // happen either.
            if ((fout == EACCES || fout == EROFS) && ::lstat(naam.c_str(), &st) != 0) return {};
            return NietVergrendeld(naam, fout);
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return NietVergrendeld(naam, 0);
        }
        while (::flock(fd, wijze | LOCK_NB) != 0) {
            const int fout = errno;
            if (fout != EWOULDBLOCK && fout != EINTR) {
                ::close(fd);
                return NietVergrendeld(naam, fout); // no locking on this file system
            }
            if (std::chrono::steady_clock::now() >= eind) {
                ::close(fd);
                return Bestandsresultaat{Bestandsfout::InGebruik, MetXv7(pad), {}, {}};
            }
            std::this_thread::sleep_for(pauze);
            pauze = std::min(pauze * 2, std::chrono::milliseconds(100));
        }
        // The holder before may have removed the file on letting go: a lock on a file that no
        // longer has the name keeps nobody out, so start again on the name as it is now.
        struct stat nu {};
        if (::lstat(naam.c_str(), &nu) == 0 && nu.st_dev == st.st_dev && nu.st_ino == st.st_ino) {
            uit.fd_ = fd;
            uit.naam_ = naam;
            return {};
        }
        ::close(fd);
    }
}

} // namespace velkaro
