#include "storage/vergrendeling.h"

#include "storage/bestandsnamen.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace velkaro {

Competitieslot::Competitieslot(Competitieslot&& a) noexcept : fd_(a.fd_) {
    a.fd_ = -1;
}

Competitieslot& Competitieslot::operator=(Competitieslot&& a) noexcept {
    if (this != &a) {
        Laat();
        fd_ = a.fd_;
        a.fd_ = -1;
    }
    return *this;
}

Competitieslot::~Competitieslot() {
    Laat();
}

void Competitieslot::Laat() {
    if (fd_ >= 0) ::close(fd_); // closing lets the lock go
    fd_ = -1;
}

Bestandsresultaat Competitieslot::Neem(const std::string& pad, Slotsoort soort,
                                       std::chrono::milliseconds wachttijd, Competitieslot& uit,
                                       Slotdoel doel) {
    uit.Laat();
    const std::string naam =
        doel == Slotdoel::Wijzigen ? Vergrendelbestand(pad) : Leesslotbestand(pad);
    // Never through a link and never a pipe: the lock file is a plain file of its own.
    const int vlaggen = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(naam.c_str(), O_RDWR | O_CREAT | vlaggen, 0666);
    if (fd < 0) fd = ::open(naam.c_str(), O_RDONLY | vlaggen);
    if (fd < 0) return {};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {};
    }
    const int wijze = soort == Slotsoort::Exclusief ? LOCK_EX : LOCK_SH;
    const auto eind = std::chrono::steady_clock::now() + wachttijd;
    auto pauze = std::chrono::milliseconds(5);
    while (::flock(fd, wijze | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= eind) {
            const int fout = errno;
            ::close(fd);
            if (fout != EWOULDBLOCK && fout != EINTR) return {}; // no locking on this file system
            return Bestandsresultaat{Bestandsfout::InGebruik, MetXv7(pad), {}, {}};
        }
        std::this_thread::sleep_for(pauze);
        pauze = std::min(pauze * 2, std::chrono::milliseconds(100));
    }
    uit.fd_ = fd;
    return {};
}

} // namespace velkaro
