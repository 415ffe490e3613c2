#include "CliRunner.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

static std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

static std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliResult RunCli(const std::vector<std::string>& args) {
    char outName[] = "/tmp/velmora-cli-out-XXXXXX";
    char errName[] = "/tmp/velmora-cli-err-XXXXXX";
    int outFd = mkstemp(outName);
    int errFd = mkstemp(errName);
    if (outFd < 0 || errFd < 0) throw std::runtime_error("cannot create temporary files");
    close(outFd);
    close(errFd);
    std::string command = Quote(VELMORA_CLI_PATH);
    for (const auto& a : args)
        command += " " + Quote(a);
    command += " </dev/null >" + Quote(outName) + " 2>" + Quote(errName);
    int raw = std::system(command.c_str());
    CliResult r;
    r.Status = (raw != -1 && WIFEXITED(raw)) ? WEXITSTATUS(raw) : -1;
    r.Out = ReadWhole(outName);
    r.Err = ReadWhole(errName);
    unlink(outName);
    unlink(errName);
    return r;
}

CliResult RunCommand(const std::string& command) {
    CliResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.Out.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
