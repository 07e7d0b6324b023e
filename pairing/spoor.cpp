#include "pairing/spoor.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velkaro {

std::filesystem::path SpoorPad(const Competitie& c) {
    const std::filesystem::path bestand(c.Bestandsnaam);
    return (c.Bestandsnaam.empty() ? std::filesystem::path() : bestand.parent_path()) / "vULWACHT";
}

Spoor::Spoor(std::filesystem::path pad) : pad_(std::move(pad)) {
    // The old trace goes first, whatever it is (a link is removed as a link); then the new
    // one is created exclusively, so nothing that appears under the name in between is used.
    struct stat st {};
    if (::lstat(pad_.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ::unlink(pad_.c_str());
    fd_ = ::open(pad_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

Spoor::~Spoor() {
    if (fd_ >= 0) ::close(fd_);
}

void Spoor::Schrijf(std::string_view regel) const {
    if (fd_ < 0) return;
    std::string r(regel);
    r += "\r\n";
    for (std::size_t gedaan = 0; gedaan < r.size();) {
        const ssize_t n = ::write(fd_, r.data() + gedaan, r.size() - gedaan);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return; // a full disk: the trace stops, the pairing goes on
        gedaan += static_cast<std::size_t>(n);
    }
}

} // namespace velkaro
