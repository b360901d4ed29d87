// Sorting the song list by title: numericalCompare against QString::compare.
#include "app/numericalcompare.h"
#include "app/settings.h"
#include "app/sortdescriptor.h"
#include "model/song.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int SongCount = 100000;

const std::vector<std::unique_ptr<Song>> &songs()
{
    static const std::vector<std::unique_ptr<Song>> list = [] {
        const QStringList words = {QStringLiteral("Love"),  QStringLiteral("Night"), QStringLiteral("Track"),
                                   QStringLiteral("river"), QStringLiteral("Blue"),  QStringLiteral("the"),
                                   QStringLiteral("Город"), QStringLiteral("Intro"), QStringLiteral("Part")};
        std::mt19937 random(7);
        std::vector<std::unique_ptr<Song>> made;
        made.reserve(SongCount);
        for (int i = 0; i < SongCount; ++i) {
            QString title;
            const int length = 1 + int(random() % 4);
            for (int w = 0; w < length; ++w)
                title += words.at(int(random() % words.size())) + u' ';
            title += QString::number(random() % 200);
            auto song = std::make_unique<Song>();
            song->setTitle(title);
            made.push_back(std::move(song));
        }
        return made;
    }();
    return list;
}

template<typename Less> void sortTitles(benchmark::State &state, Less less)
{
    std::vector<const Song *> order;
    for (const auto &song : songs())
        order.push_back(song.get());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<const Song *> copy = order;
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end(), less);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * SongCount);
}

void BM_SortByTitleNumericalCompare(benchmark::State &state)
{
    const SongOrdering byTitle({{QStringLiteral("title"), true, SortDescriptor::Comparison::Numerical}});
    sortTitles(state, [&](const Song *a, const Song *b) { return byTitle(*a, *b); });
}

void BM_SortByTitleBareNumericalCompare(benchmark::State &state)
{
    sortTitles(state,
               [](const Song *a, const Song *b) { return numericalCompare(a->title(), b->title()) < 0; });
}

void BM_SortByTitleQStringCompare(benchmark::State &state)
{
    sortTitles(state,
               [](const Song *a, const Song *b) { return QString::compare(a->title(), b->title()) < 0; });
}

} // namespace

BENCHMARK(BM_SortByTitleNumericalCompare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByTitleBareNumericalCompare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByTitleQStringCompare)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    Settings::registerDefaults();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
