// Times whole processes: a command A and a yardstick B are started in turn (A B A B ...,
// after one run of each not counted), each run's wall time taken around its fork and
// wait, its processor time and minor page faults from the kernel's accounting of the
// finished child. Prints the medians of each figure and the median of the ratios A/B
// pair by pair, so that a drift of the machine's speed touches both alike.
//
//   prozesszeit RUNS COMMAND_A ... -- COMMAND_B ...
//
// The commands run without a shell, their output goes to /dev/null. Pin the whole call
// to one processor (taskset -c N prozesszeit ...): the children inherit it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Lauf {
    double wandMs = 0.0;
    double cpuMs = 0.0;
    double seitenfehler = 0.0;
    int status = 0;
};

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

Lauf Starte(const std::vector<char*>& argv) {
    const auto anfang = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage nutzung{};
    if (wait4(pid, &status, 0, &nutzung) != pid) {
        std::perror("wait4");
        std::exit(1);
    }
    const auto ende = std::chrono::steady_clock::now();
    Lauf lauf;
    lauf.wandMs = std::chrono::duration<double, std::milli>(ende - anfang).count();
    lauf.cpuMs = Ms(nutzung.ru_utime) + Ms(nutzung.ru_stime);
    lauf.seitenfehler = static_cast<double>(nutzung.ru_minflt);
    lauf.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return lauf;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 == 1 ? werte[n / 2] : 0.5 * (werte[n / 2 - 1] + werte[n / 2]);
}

template <class Feld> std::vector<double> Spalte(const std::vector<Lauf>& laeufe, Feld feld) {
    std::vector<double> werte;
    for (const Lauf& lauf : laeufe) {
        werte.push_back(lauf.*feld);
    }
    return werte;
}

template <class Feld>
std::vector<double> Verhaeltnisse(const std::vector<Lauf>& a, const std::vector<Lauf>& b,
                                  Feld feld) {
    std::vector<double> werte;
    for (std::size_t i = 0; i < a.size(); ++i) {
        werte.push_back(b[i].*feld > 0.0 ? a[i].*feld / (b[i].*feld) : 0.0);
    }
    return werte;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> a;
    std::vector<char*> b;
    bool zweiter = false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0 && !zweiter) {
            zweiter = true;
        } else {
            (zweiter ? b : a).push_back(argv[i]);
        }
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs < 1 || a.empty() || b.empty()) {
        std::fprintf(stderr, "usage: prozesszeit RUNS COMMAND_A ... -- COMMAND_B ...\n");
        return 2;
    }
    a.push_back(nullptr);
    b.push_back(nullptr);
    Starte(a);
    Starte(b);
    std::vector<Lauf> laeufeA;
    std::vector<Lauf> laeufeB;
    for (int i = 0; i < runs; ++i) {
        laeufeA.push_back(Starte(a));
        laeufeB.push_back(Starte(b));
    }
    std::printf("wall_ms %.2f %.2f ratio %.2f\n", Median(Spalte(laeufeA, &Lauf::wandMs)),
                Median(Spalte(laeufeB, &Lauf::wandMs)),
                Median(Verhaeltnisse(laeufeA, laeufeB, &Lauf::wandMs)));
    std::printf("cpu_ms %.2f %.2f ratio %.2f\n", Median(Spalte(laeufeA, &Lauf::cpuMs)),
                Median(Spalte(laeufeB, &Lauf::cpuMs)),
                Median(Verhaeltnisse(laeufeA, laeufeB, &Lauf::cpuMs)));
    std::printf("faults %.0f %.0f\n", Median(Spalte(laeufeA, &Lauf::seitenfehler)),
                Median(Spalte(laeufeB, &Lauf::seitenfehler)));
    std::printf("status %d %d\n", laeufeA.back().status, laeufeB.back().status);
    return 0;
}
