// Many printers at once from the command line: simulated network printers
// on loopback, each draining its connection like a 115,200-baud line, all
// sent the same firmware by one run of the program. Figures: the run's wall
// time against one printer alone in the same run, its processor time and
// its peak memory (from wait4 on the program itself, not this bench).
//   bench_cli [printers] [firmware bytes]    (default 100, 65536)
// Then 1,000 printers with a 4 KiB configuration each, time and memory.
// Every socket is on 127.0.0.1.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace
{

// A 115,200-baud line with 10 bits a byte.
constexpr double lineBytesPerSecond = 11520;

std::atomic<long long> received{0};
std::atomic<int> draining{0};

// One simulated printer: reads at the line's rate until the sender closes.
void *drain(void *argument)
{
    const int fd = int(reinterpret_cast<intptr_t>(argument));
    ++draining;
    constexpr int tickMs = 10;
    const int perTick = int(lineBytesPerSecond * tickMs / 1000);
    std::vector<char> buffer(perTick);
    const auto start = std::chrono::steady_clock::now();
    long long taken = 0;
    for (;;) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const long long allowed = (long long)(elapsed * lineBytesPerSecond) - taken;
        if (allowed <= 0) {
            usleep(tickMs * 1000);
            continue;
        }
        const ssize_t got = read(fd, buffer.data(), std::min<long long>(allowed, perTick));
        if (got <= 0)
            break;
        taken += got;
        received += got;
    }
    close(fd);
    --draining;
    return nullptr;
}

// Listening sockets on 127.0.0.1, one port a printer; each accepted
// connection gets a small receive buffer, so the sender waits for the line
// as it would for a real printer.
struct Printers {
    std::vector<int> listeners;
    std::vector<int> ports;
    std::atomic<bool> stop{false};
    std::thread acceptor;

    explicit Printers(int count)
    {
        for (int i = 0; i < count; ++i) {
            const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
            const int small = 4096;
            setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t length = sizeof address;
            if (bind(fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
                listen(fd, 16) != 0) {
                std::perror("listen");
                std::exit(1);
            }
            getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
            listeners.push_back(fd);
            ports.push_back(ntohs(address.sin_port));
        }
        acceptor = std::thread([this] { acceptAll(); });
    }
    ~Printers()
    {
        stop = true;
        acceptor.join();
        for (const int fd : listeners)
            close(fd);
    }
    void acceptAll()
    {
        std::vector<pollfd> watched;
        for (const int fd : listeners)
            watched.push_back({fd, POLLIN, 0});
        pthread_attr_t small;
        pthread_attr_init(&small);
        pthread_attr_setstacksize(&small, 64 * 1024);
        pthread_attr_setdetachstate(&small, PTHREAD_CREATE_DETACHED);
        while (!stop) {
            if (poll(watched.data(), watched.size(), 50) <= 0)
                continue;
            for (pollfd &one : watched) {
                if (!(one.revents & POLLIN))
                    continue;
                const int connection = accept4(one.fd, nullptr, nullptr, SOCK_CLOEXEC);
                if (connection < 0)
                    continue;
                pthread_t thread;
                pthread_create(&thread, &small, drain,
                               reinterpret_cast<void *>(intptr_t(connection)));
            }
        }
    }
};

struct Run {
    double wallSeconds;
    double cpuSeconds;
    double peakMiB;
    int status;
};

Run runProgram(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror("spawn");
        std::exit(1);
    }
    int status = 0;
    rusage used{};
    wait4(pid, &status, 0, &used);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = used.ru_utime.tv_sec + used.ru_utime.tv_usec / 1e6 + used.ru_stime.tv_sec +
                       used.ru_stime.tv_usec / 1e6;
    return {wall, cpu, used.ru_maxrss / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string writeFile(const char *name, size_t size)
{
    const std::string path = std::string("/tmp/") + name + "-" + std::to_string(getpid());
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + 7) & 0xff);
    FILE *file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

Run sendToAll(const Printers &printers, int count, const std::string &action,
              const std::string &file)
{
    std::vector<std::string> arguments{VARIMONDE_SETUP_BINARY};
    for (int i = 0; i < count; ++i) {
        arguments.push_back("--to");
        arguments.push_back("tcp://127.0.0.1:" + std::to_string(printers.ports[i]));
    }
    arguments.push_back(action);
    arguments.push_back(file);
    const Run run = runProgram(arguments);
    // The program ends once its bytes are in the printers' hands; let them
    // read the last of it before counting.
    for (int i = 0; i < 1000 && draining > 0; ++i)
        usleep(10000);
    return run;
}

void show(const char *what, const Run &run)
{
    std::printf("%-34s exit %d  %7.2f s wall  %6.2f s CPU (%5.1f %% of a core)  %6.1f MiB peak\n",
                what, run.status, run.wallSeconds, run.cpuSeconds,
                100 * run.cpuSeconds / run.wallSeconds, run.peakMiB);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const int many = argc > 1 ? std::atoi(argv[1]) : 100;
    const size_t firmwareSize = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 65536;
    // Printers and the program's sockets: raise the limit for both.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    const std::string firmware = writeFile("bench-cli-firmware", firmwareSize);
    {
        Printers printers(many);
        const Run one = sendToAll(printers, 1, "--firmware", firmware);
        show("1 printer, firmware", one);
        const Run all = sendToAll(printers, many, "--firmware", firmware);
        const std::string label = std::to_string(many) + " printers, firmware";
        show(label.c_str(), all);
        std::printf("wall time ratio %.2f (at most 1.25), CPU %.1f %% of a core (at most 10), "
                    "peak %.1f MiB (at most 60): %s\n",
                    all.wallSeconds / one.wallSeconds, 100 * all.cpuSeconds / all.wallSeconds,
                    all.peakMiB,
                    all.status == 0 && all.wallSeconds <= 1.25 * one.wallSeconds &&
                            all.cpuSeconds <= 0.10 * all.wallSeconds && all.peakMiB <= 60
                        ? "met"
                        : "NOT MET");
    }
    const std::string configuration = writeFile("bench-cli-config", 4096);
    {
        Printers printers(1000);
        show("1000 printers, 4 KiB each", sendToAll(printers, 1000, "--send", configuration));
    }
    const long long expected = (many + 1) * (long long)firmwareSize + 1000 * 4096LL;
    std::printf("bytes the simulated printers received: %lld of %lld\n", received.load(), expected);
    unlink(firmware.c_str());
    unlink(configuration.c_str());
    return 0;
}
