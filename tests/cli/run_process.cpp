#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace tarnvik::test {

namespace {

struct Pipe {
    int fd[2] = {-1, -1};
    Pipe() {
        if (pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    void CloseRead() { Close(fd[0]); }
    void CloseWrite() { Close(fd[1]); }
    static void Close(int& f) {
        if (f >= 0) close(f);
        f = -1;
    }
};

std::vector<std::string> MergedEnvironment(const std::vector<std::string>& overrides) {
    std::vector<std::string> merged;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const std::string& o : overrides)
            if (o.substr(0, o.find('=')) == name) replaced = true;
        if (!replaced) merged.push_back(entry);
    }
    merged.insert(merged.end(), overrides.begin(), overrides.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment, const std::string& input,
                         const ProcessStreams& streams) {
    // A child that exits before reading all its input must not kill us.
    signal(SIGPIPE, SIG_IGN);

    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);
    if (!streams.inputPath.empty())
        posix_spawn_file_actions_addopen(&actions, 0, streams.inputPath.c_str(), O_RDONLY, 0);
    if (streams.closeInput) posix_spawn_file_actions_addclose(&actions, 0);
    if (!streams.outputPath.empty())
        posix_spawn_file_actions_addopen(&actions, 1, streams.outputPath.c_str(), O_WRONLY, 0);

    std::vector<std::string> args = argv;
    std::vector<std::string> env = MergedEnvironment(environment);
    std::vector<char*> argp = Pointers(args);
    std::vector<char*> envp = Pointers(env);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot run " + args[0] + ": " + std::strerror(spawned));
    in.CloseRead();
    out.CloseWrite();
    err.CloseWrite();

    ProcessResult result;
    std::size_t written = 0;
    if (input.empty()) in.CloseWrite();
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[3];
        int n = 0;
        if (in.fd[1] >= 0) fds[n++] = {in.fd[1], POLLOUT, 0};
        if (out.fd[0] >= 0) fds[n++] = {out.fd[0], POLLIN, 0};
        if (err.fd[0] >= 0) fds[n++] = {err.fd[0], POLLIN, 0};
        if (poll(fds, static_cast<nfds_t>(n), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == in.fd[1]) {
                const ssize_t w = write(in.fd[1], input.data() + written, input.size() - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 || written == input.size()) in.CloseWrite();
                continue;
            }
            char buffer[65536];
            const ssize_t r = read(fds[i].fd, buffer, sizeof buffer);
            if (r < 0 && errno == EINTR) continue;
            std::string& sink = fds[i].fd == out.fd[0] ? result.out : result.err;
            if (r > 0) {
                sink.append(buffer, static_cast<std::size_t>(r));
            } else if (fds[i].fd == out.fd[0]) {
                out.CloseRead();
            } else {
                err.CloseRead();
            }
        }
    }
    in.CloseWrite();
    result.inputWritten = written;

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace tarnvik::test
