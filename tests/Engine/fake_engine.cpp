// A scripted stand-in for a Gomocup engine, for tests and benchmarks. It answers the protocol
// like a well-behaved engine unless its script says otherwise, and the script can make it do
// everything a real engine must never be trusted not to do.
//
// The script is a file named by KORVANE_FAKE_SCRIPT (or the first argument). Each line is
//     TRIGGER ACTION [ARGUMENT...]
// where TRIGGER is a command word (START, ABOUT, DONE for the end of BOARD, YXSTOP, YXNBEST,
// END, INFO, or any other), optionally with #N to act on its N-th arrival only, or @start for
// what is done before reading anything. Lines of one trigger run in order and replace what
// the engine does by default for it. Actions:
//     say TEXT      print TEXT as a line                 move     print the chosen move x,y
//     report        MESSAGE search report and Bestline   think MS wait MS ms or until YXSTOP
//     sleep MS      wait MS ms, reading nothing          crash    abort (killed by a signal)
//     exit N        end with status N                    hang     never answer anything again
//     nothing       no answer at all                     pid      MESSAGE pid N, its process id
// The chosen move is the empty point nearest the centre of the last BOARD.
// KORVANE_FAKE_LOG, when set, names a file to which every received line is appended.
#include <poll.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Action {
    std::string verb;
    std::string argument;
};

struct Script {
    std::map<std::string, std::vector<Action>> every; // TRIGGER
    std::map<std::string, std::vector<Action>> nth;   // TRIGGER#N
};

Script ReadScript(const char* path)
{
    Script script;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string trigger;
        Action action;
        words >> trigger >> action.verb;
        std::getline(words >> std::ws, action.argument);
        if (trigger.find('#') != std::string::npos)
            script.nth[trigger].push_back(action);
        else
            script.every[trigger].push_back(action);
    }
    return script;
}

class FakeEngine {
public:
    explicit FakeEngine(Script script) : script_(std::move(script))
    {
        if (const char* log = std::getenv("KORVANE_FAKE_LOG"))
            log_.open(log, std::ios::app);
    }

    int Run()
    {
        Perform("@start", {});
        std::string line;
        while (NextLine(line, -1))
            Handle(line);
        return 0;
    }

private:
    // Reads one line of standard input; false at its end or after timeoutMs (-1: no limit).
    bool NextLine(std::string& line, int timeoutMs)
    {
        if (!queued_.empty()) {
            line = queued_.front();
            queued_.erase(queued_.begin());
            return true;
        }
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (true) {
            const std::size_t end = buffer_.find('\n');
            if (end != std::string::npos) {
                line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (log_)
                    log_ << line << std::endl;
                return true;
            }
            int wait = -1;
            if (timeoutMs >= 0) {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    until - std::chrono::steady_clock::now());
                if (left.count() <= 0)
                    return false;
                wait = static_cast<int>(left.count());
            }
            pollfd in{STDIN_FILENO, POLLIN, 0};
            if (::poll(&in, 1, wait) == 0)
                return false;
            char chunk[4096];
            const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
            if (got <= 0) {
                if (timeoutMs < 0)
                    return false;
                std::this_thread::sleep_until(until); // input closed: just wait the time out
                return false;
            }
            buffer_.append(chunk, static_cast<std::size_t>(got));
        }
    }

    void Say(const std::string& text)
    {
        std::fputs((text + "\n").c_str(), stdout);
        std::fflush(stdout);
    }

    std::string Word(const std::string& line) const
    {
        const std::size_t space = line.find(' ');
        std::string word = line.substr(0, space);
        for (char& c : word)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return word;
    }

    void Handle(const std::string& line)
    {
        const std::string word = Word(line);
        if (word == "BOARD" || word == "YXBOARD") {
            ReadBoard(word == "YXBOARD");
            return;
        }
        if (word.empty())
            return;
        Perform(word, line);
    }

    void ReadBoard(bool silent)
    {
        for (auto& row : board_)
            for (int& cell : row)
                cell = 0;
        std::string line;
        while (NextLine(line, -1)) {
            if (Word(line) == "DONE")
                break;
            int x = 0, y = 0, f = 0;
            if (std::sscanf(line.c_str(), "%d,%d,%d", &x, &y, &f) == 3 && x >= 0 && x < 15 &&
                y >= 0 && y < 15)
                board_[y][x] = f;
        }
        if (!silent)
            Perform("DONE", line);
    }

    void Perform(const std::string& trigger, const std::string& line)
    {
        const int count = ++arrivals_[trigger];
        const auto nth = script_.nth.find(trigger + "#" + std::to_string(count));
        if (nth != script_.nth.end()) {
            RunActions(nth->second);
            return;
        }
        const auto every = script_.every.find(trigger);
        if (every != script_.every.end()) {
            RunActions(every->second);
            return;
        }
        Default(trigger, line);
    }

    void Default(const std::string& trigger, const std::string& line)
    {
        if (trigger == "@start" || trigger == "INFO" || trigger == "YXSTOP")
            return; // nothing to say; a stop between searches has nothing to stop
        if (trigger == "START")
            Say("OK");
        else if (trigger == "ABOUT")
            Say("name=\"FakeEngine\", version=\"1.0\", author=\"Korvane tests\"");
        else if (trigger == "DONE" || trigger == "TURN" || trigger == "BEGIN" ||
                 trigger == "YXNBEST")
            RunActions({{"report", ""}, {"move", ""}});
        else if (trigger == "END")
            std::exit(0);
        else
            Say("UNKNOWN " + line);
    }

    void RunActions(const std::vector<Action>& actions)
    {
        for (const Action& action : actions) {
            const int number = std::atoi(action.argument.c_str());
            if (action.verb == "say") {
                Say(action.argument);
            } else if (action.verb == "move") {
                int x = 0, y = 0;
                Choose(x, y);
                Say(std::to_string(x) + "," + std::to_string(y));
            } else if (action.verb == "report") {
                int x = 0, y = 0;
                Choose(x, y);
                Say("MESSAGE Speed 10K | Depth 3-5 | Eval 12 | Node 40 | Time 1ms");
                // As Rapfi prints it: the column's letter, then the row from the top.
                Say("MESSAGE Bestline " + std::string(1, static_cast<char>('A' + x)) +
                    std::to_string(y + 1));
            } else if (action.verb == "think") {
                // Lines that came meanwhile are handled once this search has answered.
                std::vector<std::string> later = std::move(queued_);
                queued_.clear();
                std::string line;
                while (NextLine(line, number)) {
                    if (Word(line) == "YXSTOP")
                        break;
                    later.push_back(line);
                }
                later.insert(later.end(), queued_.begin(), queued_.end());
                queued_ = std::move(later);
            } else if (action.verb == "pid") {
                Say("MESSAGE pid " + std::to_string(::getpid()));
            } else if (action.verb == "sleep") {
                std::this_thread::sleep_for(std::chrono::milliseconds(number));
            } else if (action.verb == "crash") {
                std::abort();
            } else if (action.verb == "exit") {
                std::exit(number);
            } else if (action.verb == "hang") {
                while (true)
                    std::this_thread::sleep_for(std::chrono::seconds(1));
            }
        }
    }

    void Choose(int& x, int& y) const
    {
        int best = 1000;
        for (int row = 0; row < 15; ++row)
            for (int column = 0; column < 15; ++column) {
                const int distance = std::abs(row - 7) + std::abs(column - 7);
                if (board_[row][column] == 0 && distance < best) {
                    best = distance;
                    x = column;
                    y = row;
                }
            }
    }

    Script script_;
    std::ofstream log_;
    std::string buffer_;
    std::vector<std::string> queued_;
    std::map<std::string, int> arrivals_;
    int board_[15][15] = {};
};

} // namespace

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : std::getenv("KORVANE_FAKE_SCRIPT");
    return FakeEngine(path ? ReadScript(path) : Script()).Run();
}
