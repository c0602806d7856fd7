#pragma once

#include "image/codec.h"
#include "image/records.h"

#include <initializer_list>
#include <string>

namespace q731::testing {

// An image with every byte 0..3071 set to `fill` and element 3072 zero.
inline RadioImage FilledImage(std::uint8_t fill)
{
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = fill;
    return image;
}

inline void PutBytes(RadioImage &image, int at, std::initializer_list<int> bytes)
{
    for (int b : bytes)
        image[static_cast<std::size_t>(at++)] = static_cast<std::uint8_t>(b);
}

// A channel as the grid leaves it after the user picked every column.
inline void SetChannel(ChannelTable &table, int n, const std::string &rx, const std::string &tx,
                       int rxTone, int txTone, std::initializer_list<int> options,
                       const std::string &name)
{
    table.rx(n) = rx;
    table.tx(n) = tx;
    table.index(ChannelTable::RxTone, n) = rxTone;
    table.index(ChannelTable::TxTone, n) = txTone;
    int row = ChannelTable::Power;
    for (int index : options)
        table.index(static_cast<ChannelTable::Row>(row++), n) = index;
    table.name(n) = name;
}

// A full, plausible set of records in band 136-174 MHz.
RadioData RealisticData();

} // namespace q731::testing
