// Writing and reading an archive of 100 000 small tagged records, the shape of a large
// product database.

#include <benchmark/benchmark.h>

#include "support/testitems.h"

namespace {

using kelvora::CArchive;
using kelvora::ItemList;
using kelvora::testing::TestRecord;

constexpr int kRecords = 100000;

ItemList<TestRecord> MakeRecords() {
  ItemList<TestRecord> list;
  for (int i = 0; i < kRecords; ++i) {
    auto r = std::make_unique<TestRecord>();
    r->name = "Minerální vata " + std::to_string(i);
    r->secondName = "Mineral wool " + std::to_string(i);
    r->value = 0.035f + static_cast<float>(i) * 1e-7f;
    r->flag = i % 3;
    list.push_back(std::move(r));
  }
  return list;
}

std::string WriteRecords(const ItemList<TestRecord>& list) {
  CArchive out;
  out.WriteList(list);
  return out.Data();
}

void BM_WriteArchive(benchmark::State& state) {
  const auto list = MakeRecords();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string data = WriteRecords(list);
    bytes += data.size();
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_WriteArchive)->Unit(benchmark::kMillisecond);

void BM_ReadArchive(benchmark::State& state) {
  const std::string data = WriteRecords(MakeRecords());
  for (auto _ : state) {
    CArchive in(data, kelvora::testing::TestClasses());
    ItemList<TestRecord> list;
    in.ReadList(list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_ReadArchive)->Unit(benchmark::kMillisecond);

}  // namespace
