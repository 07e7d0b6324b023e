#include "cli/cli.h"
#include "lang/teksten.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

bool IsOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail (reported, its temporary file removed) instead of
    // killing the command half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    // A closed standard stream would be the number the next file opened gets, and what is
    // written to the stream would end up in that file: the stream is put on /dev/null first.
    // Without standard output the command's result is lost, so nothing is done at all.
    const bool uitDicht = !IsOpen(STDOUT_FILENO);
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (!IsOpen(fd)) {
            const int n = ::open("/dev/null", O_RDWR);
            if (n >= 0 && n != fd) {
                ::dup2(n, fd);
                ::close(n);
            }
        }
    if (uitDicht) {
        std::cerr << "velkaro-cli: " << velkaro::lang::Tekst(velkaro::lang::T::UitvoerGesloten)
                  << '\n';
        return 1;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = velkaro::cli::Uitvoeren(args, std::cout, std::cerr);
    // Output that could not be written (a full disk, a closed pipe) is a failure of its own.
    errno = 0;
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int fout = errno;
        std::cerr << "velkaro-cli: " << velkaro::lang::Tekst(velkaro::lang::T::UitvoerMislukt)
                  << (fout != 0 ? std::string(" (") + std::strerror(fout) + ")" : std::string())
                  << '\n';
        status = 1;
    }
    return status;
}
