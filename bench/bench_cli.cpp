// Many printers at once from the command line: simulated network printers
// on loopback, each draining its connection like a 115,200-baud line, all
// sent the same firmware by one run of the program, first without and then
// with the SNMP status read before the send. Figures: the run's wall
// time against one printer alone in the same run, its processor time and
// its peak memory (from wait4 on the program itself, not this bench).
//   bench_cli [printers] [firmware bytes]    (default 100, 65536)
// Then 10,000 printers that take a 4 KiB configuration as fast as they can,
// time and memory. Throughout, the program's threads are counted from
// /proc/PID/task: one event loop drives every printer, so their number does
// not grow with the printers'. Every socket is on 127.0.0.1.

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/epoll.h>
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
    // Fast printers take everything at once, all served by one thread.
    bool fast;

    explicit Printers(int count, bool fast = false) : fast(fast)
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
        acceptor = std::thread([this] { this->fast ? serveAll() : acceptAll(); });
    }
    void serveAll()
    {
        const int events = epoll_create1(EPOLL_CLOEXEC);
        for (const int fd : listeners) {
            epoll_event listening{EPOLLIN, {}};
            listening.data.u64 = (uint64_t(1) << 32) | uint32_t(fd);
            epoll_ctl(events, EPOLL_CTL_ADD, fd, &listening);
        }
        std::vector<epoll_event> ready(256);
        std::vector<char> buffer(64 * 1024);
        while (!stop) {
            const int count = epoll_wait(events, ready.data(), int(ready.size()), 50);
            for (int i = 0; i < count; ++i) {
                const int fd = int(uint32_t(ready[i].data.u64));
                if (ready[i].data.u64 >> 32) {
                    const int connection = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
                    if (connection < 0)
                        continue;
                    epoll_event reading{EPOLLIN, {}};
                    reading.data.u64 = uint32_t(connection);
                    epoll_ctl(events, EPOLL_CTL_ADD, connection, &reading);
                    continue;
                }
                const ssize_t got = read(fd, buffer.data(), buffer.size());
                if (got > 0) {
                    received += got;
                    continue;
                }
                close(fd);
            }
        }
        close(events);
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
    int mostThreads;
};

int threadsOf(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/task";
    DIR *tasks = opendir(path.c_str());
    if (!tasks)
        return 0;
    int count = 0;
    while (const dirent *entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

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
    int mostThreads = 0;
    while (wait4(pid, &status, WNOHANG, &used) == 0) {
        mostThreads = std::max(mostThreads, threadsOf(pid));
        usleep(20000);
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = used.ru_utime.tv_sec + used.ru_utime.tv_usec / 1e6 + used.ru_stime.tv_sec +
                       used.ru_stime.tv_usec / 1e6;
    return {wall, cpu, used.ru_maxrss / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            mostThreads};
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

// Fast printers served by a process of their own: a process may hold only
// so many descriptors, and each printer takes two (listener and connection).
struct ForkedPrinters {
    pid_t pid = -1;
    std::vector<int> ports;
    int control = -1; // a byte on it stops the printers
    int results = -1; // the bytes they received, once stopped

    explicit ForkedPrinters(int count)
    {
        int toChild[2], fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
            std::perror("pipe");
            std::exit(1);
        }
        pid = fork();
        if (pid == 0) {
            close(toChild[1]);
            close(fromChild[0]);
            long long total = 0;
            received = 0; // what the parent's printers took is not ours
            {
                Printers printers(count, true);
                (void)!write(fromChild[1], printers.ports.data(),
                             printers.ports.size() * sizeof(int));
                char byte;
                (void)!read(toChild[0], &byte, 1);
                usleep(200000); // the last bytes in flight
                total = received;
            }
            (void)!write(fromChild[1], &total, sizeof total);
            _exit(0);
        }
        close(toChild[0]);
        close(fromChild[1]);
        control = toChild[1];
        results = fromChild[0];
        ports.resize(size_t(count));
        size_t got = 0;
        while (got < ports.size() * sizeof(int)) {
            const ssize_t n = read(results, reinterpret_cast<char *>(ports.data()) + got,
                                   ports.size() * sizeof(int) - got);
            if (n <= 0)
                std::exit(1);
            got += size_t(n);
        }
    }
    long long stop()
    {
        // A byte, not the end of the pipe: a later child holds its end too.
        (void)!write(control, "x", 1);
        close(control);
        long long total = 0;
        (void)!read(results, &total, sizeof total);
        close(results);
        waitpid(pid, nullptr, 0);
        return total;
    }
};

Run sendToPorts(const std::vector<int> &ports, const std::string &action, const std::string &file)
{
    std::vector<std::string> arguments{VARIMONDE_SETUP_BINARY};
    for (const int port : ports) {
        arguments.push_back("--to");
        arguments.push_back("tcp://127.0.0.1:" + std::to_string(port));
    }
    // The action, after any options that go with it.
    for (size_t from = 0, space; from <= action.size(); from = space + 1) {
        space = action.find(' ', from);
        if (space == std::string::npos)
            space = action.size();
        arguments.push_back(action.substr(from, space - from));
    }
    arguments.push_back(file);
    return runProgram(arguments);
}

Run sendToAll(const Printers &printers, int count, const std::string &action,
              const std::string &file)
{
    const Run run =
        sendToPorts({printers.ports.begin(), printers.ports.begin() + count}, action, file);
    // The program ends once its bytes are in the printers' hands; let them
    // read the last of it before counting.
    for (int i = 0; i < 1000 && draining > 0; ++i)
        usleep(10000);
    return run;
}

void show(const char *what, const Run &run)
{
    std::printf("%-34s exit %d  %7.2f s wall  %6.2f s CPU (%5.1f %% of a core)  %6.1f MiB peak  "
                "%d threads at most\n",
                what, run.status, run.wallSeconds, run.cpuSeconds,
                100 * run.cpuSeconds / run.wallSeconds, run.peakMiB, run.mostThreads);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const int many = argc > 1 ? std::atoi(argv[1]) : 100;
    const size_t firmwareSize = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 65536;
    const int crowd = argc > 3 ? std::atoi(argv[3]) : 10000;
    // Printers and the program's sockets: raise the limit for both.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    const std::string firmware = writeFile("bench-cli-firmware", firmwareSize);
    {
        Printers printers(many);
        // Before a firmware send the printer's status is read over SNMP;
        // nothing answers SNMP on loopback, so each read waits its whole
        // timeout, which the printers must wait out together.
        for (const bool statusRead : {false, true}) {
            const char *how = statusRead ? "with status read" : "transfers alone";
            const std::string action = statusRead ? "--firmware" : "--ignore-status --firmware";
            const Run one = sendToAll(printers, 1, action, firmware);
            const std::string oneLabel = std::string("1 printer, ") + how;
            show(oneLabel.c_str(), one);
            const Run all = sendToAll(printers, many, action, firmware);
            const std::string label = std::to_string(many) + " printers, " + how;
            show(label.c_str(), all);
            std::printf("wall time ratio %.2f (at most 1.25), CPU %.1f %% of a core (at most 5), "
                        "peak %.1f MiB (at most 60), %d threads (at most 8): %s\n",
                        all.wallSeconds / one.wallSeconds, 100 * all.cpuSeconds / all.wallSeconds,
                        all.peakMiB, all.mostThreads,
                        all.status == 0 && all.wallSeconds <= 1.25 * one.wallSeconds &&
                                all.cpuSeconds <= 0.05 * all.wallSeconds && all.peakMiB <= 60 &&
                                all.mostThreads <= 8
                            ? "met"
                            : "NOT MET");
        }
    }
    const std::string configuration = writeFile("bench-cli-config", 4096);
    long long crowdReceived = 0;
    {
        ForkedPrinters first(crowd / 2), second(crowd - crowd / 2);
        std::vector<int> ports = first.ports;
        ports.insert(ports.end(), second.ports.begin(), second.ports.end());
        const Run run = sendToPorts(ports, "--send", configuration);
        crowdReceived = first.stop() + second.stop();
        const std::string label = std::to_string(crowd) + " printers, 4 KiB each";
        show(label.c_str(), run);
        std::printf("%d threads (at most 8), every byte received: %s\n", run.mostThreads,
                    run.status == 0 && run.mostThreads <= 8 && crowdReceived == crowd * 4096LL
                        ? "met"
                        : "NOT MET");
    }
    const long long expected = 2 * (many + 1) * (long long)firmwareSize + crowd * 4096LL;
    std::printf("bytes the simulated printers received: %lld of %lld\n",
                received.load() + crowdReceived, expected);
    unlink(firmware.c_str());
    unlink(configuration.c_str());
    return 0;
}
