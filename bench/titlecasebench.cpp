// Converting 100,000 titles to title case.
#include "batch/titlecase.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <random>

namespace {

QStringList titles()
{
    const QStringList words = {QStringLiteral("the"),   QStringLiteral("LORD"),  QStringLiteral("of"),
                               QStringLiteral("rings"), QStringLiteral("don't"), QStringLiteral("stop"),
                               QStringLiteral("BBC"),   QStringLiteral("мир"),   QStringLiteral("2"),
                               QStringLiteral("feat"),  QStringLiteral("iPod"),  QStringLiteral("straße")};
    std::mt19937 random(11);
    QStringList made;
    for (int i = 0; i < 100000; ++i) {
        QStringList title;
        const int length = 1 + int(random() % 7);
        for (int w = 0; w < length; ++w)
            title.append(words.at(int(random() % words.size())));
        made.append(title.join(u' '));
    }
    return made;
}

void BM_Titlecase100000Titles(benchmark::State &state)
{
    const QStringList input = titles();
    for (auto _ : state) {
        for (const QString &title : input)
            benchmark::DoNotOptimize(titlecaseString(title));
    }
    state.SetItemsProcessed(state.iterations() * input.size());
}

} // namespace

BENCHMARK(BM_Titlecase100000Titles)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
