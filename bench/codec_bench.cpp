#include "files/dat_file.h"
#include "image/codec.h"
#include "image/tones.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Every channel in use, with names, tones and a filled settings area.
q731::RadioData FullData()
{
    using q731::ChannelTable;
    q731::RadioData data;
    data.bandIndex = 0;
    for (int n = 1; n <= q731::kChannelCount; ++n) {
        char rx[16];
        std::snprintf(rx, sizeof rx, "%03d.%05d", 136 + n % 38, (n * 625) % 100000);
        auto &t = data.channels;
        t.rx(n) = rx;
        t.tx(n) = rx;
        const int tone = 1 + n % (q731::kToneCount - 1);
        t.index(ChannelTable::RxTone, n) = tone;
        t.index(ChannelTable::TxTone, n) = tone;
        t.index(ChannelTable::Power, n) = n % 3;
        t.name(n) = std::string("CH").append(std::to_string(n));
    }
    for (int n = 1; n <= q731::FmSettings::kChannels; ++n)
        data.fm.channel(n) = std::to_string(76 + n) + ".50";
    data.options.powerOnText = "HELLO";
    data.options.powerOnPassword = "1234";
    return data;
}

void BM_DecodeEncodeImage(benchmark::State &state)
{
    const q731::RadioData source = FullData();
    q731::RadioImage image{};
    q731::EncodeImage(source, image);
    q731::RadioData data;
    for (auto _ : state) {
        q731::DecodeImage(image, data);
        q731::EncodeImage(data, image);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeEncodeImage);

void BM_DatStoreLoad(benchmark::State &state)
{
    q731::RadioImage image{};
    q731::EncodeImage(FullData(), image);
    for (auto _ : state) {
        const std::vector<std::uint8_t> file = q731::StoreDatFile(image);
        const q731::DatLoadResult loaded = q731::LoadDatFile(file);
        benchmark::DoNotOptimize(loaded.image.data());
    }
}
BENCHMARK(BM_DatStoreLoad);

} // namespace
