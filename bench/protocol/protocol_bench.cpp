// "Отчет" without the windows: the whole protocol composed, packaged, saved to a new file and
// handed to the opener, by result rows, once by the streaming writer and once by the yardstick
// that built a tree of the whole document first. peak_MiB is the process's largest resident set
// so far: it belongs to one case only when that case runs in a process of its own
// (bench/protocol/each_case runs them so).
#include "protocol/docx_writer.h"
#include "protocol/protocol.h"
#include "tree_docx_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

protocol::ProtocolData Protocol(int rows) {
    protocol::ProtocolData data;
    data.general = {
        {5, 3, 2024},           "г. Нижний Новгород",          "ул. Большая Покровская, д. 15",
        "жилой дом, 17 этажей", "ООО «Пожарная безопасность»", "Манометр МП-100"};
    data.JetFlow = 2.5;
    data.Dnas = "13";
    for (int i = 1; i <= rows; ++i)
        data.results.push_back({std::to_string(i), std::to_string(i), "лестничная клетка", "нет",
                                "2,4", "2,59", "Да"});
    data.Memo1 = "Пожарные краны обеспечивают требуемый расход воды.";
    return data;
}

// 0 where the system does not say.
double PeakMiB() {
#ifdef __linux__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
#else
    return 0;
#endif
}

enum class Writer { Streaming, Tree };

// The yardstick's saving: the whole package in memory, then one new file.
protocol::DocumentShower TreeShowAsFile(const std::filesystem::path& folder,
                                        const protocol::FileOpener& opener) {
    return [folder, opener](const protocol::Document& document) {
        const std::string bytes = protocol::yardstick::TreeDocxPackage(document);
        const std::filesystem::path path = folder / "Протокол.docx";
#ifdef _WIN32
        std::FILE* file = _wfopen(path.c_str(), L"wbx");
#else
        std::FILE* file = std::fopen(path.c_str(), "wbx");
#endif
        if (!file)
            throw std::runtime_error("cannot create the yardstick's file");
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (std::fclose(file) != 0 || !written)
            throw std::runtime_error("cannot write the yardstick's file");
        opener(path);
    };
}

void ReportPress(benchmark::State& state, Writer writer) {
    const protocol::ProtocolData data = Protocol(static_cast<int>(state.range(0)));
    const auto folder = std::filesystem::temp_directory_path() / "naporis-bench";
    std::filesystem::create_directories(folder);
    std::uintmax_t bytes = 0;
    const protocol::FileOpener opener = [&](const std::filesystem::path& path) {
        bytes = std::filesystem::file_size(path);
        std::filesystem::remove(path);
        return true;
    };
    for (auto _ : state) {
        protocol::Document document(writer == Writer::Tree
                                        ? TreeShowAsFile(folder, opener)
                                        : protocol::ShowAsFile(folder, "Протокол", opener));
        protocol::GenerateProtocol(data, document, nullptr);
    }
    state.counters["docx_bytes"] = static_cast<double>(bytes);
    state.counters["peak_MiB"] = PeakMiB();
    std::filesystem::remove_all(folder);
}

BENCHMARK_CAPTURE(ReportPress, streaming, Writer::Streaming)
    ->Arg(3)
    ->Arg(253)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReportPress, tree, Writer::Tree)
    ->Arg(3)
    ->Arg(253)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
