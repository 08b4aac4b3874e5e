// The address and version readers and writers on their own, without the
// evaluator around them. Items are texts read or written.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "Inspectors/Portable/Addresses/IPAddressText.h"
#include "Inspectors/Portable/Versions/SiteVersionList.h"
#include "Inspectors/Portable/Versions/WindowsVersion.h"

namespace guard {

namespace {

constexpr std::array<std::string_view, 6> kAddressTexts = {
    "10.0.0.1", "2001:db8::1", "::ffff:192.168.1.20", "fe80::1ff:fe23:4567:890a%eth0", "1:0:0:2:0:0:0:3", "::",
};

void BM_ReadAddress(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::string_view text : kAddressTexts)
            benchmark::DoNotOptimize(readIPAddress(text));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(kAddressTexts.size()));
}
BENCHMARK(BM_ReadAddress);

void BM_WriteCompressedAddress(benchmark::State& state)
{
    std::array<IPv4or6Address, kAddressTexts.size()> addresses;
    for (std::size_t i = 0; i < addresses.size(); ++i)
        addresses[i] = *readIPAddress(kAddressTexts[i]);
    char text[kMaxAddressTextLength];
    for (auto _ : state) {
        for (const IPv4or6Address& address : addresses)
            benchmark::DoNotOptimize(writeIPAddress(address, AddressForm{false, false, true, true}, text));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(addresses.size()));
}
BENCHMARK(BM_WriteCompressedAddress);

constexpr std::array<std::string_view, 5> kVersionTexts = {"6.1.7601.17514", "10.0.19045", "1, 2, 3", "5.100", "1..2"};

void BM_ReadVersion(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::string_view text : kVersionTexts)
            benchmark::DoNotOptimize(readVersion(text));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(kVersionTexts.size()));
}
BENCHMARK(BM_ReadVersion);

void BM_ReadSiteVersionList(benchmark::State& state)
{
    constexpr std::string_view kText = "3,0,5,1200,7,  8\t9,10 tail";
    for (auto _ : state)
        benchmark::DoNotOptimize(readSiteVersionList(kText));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadSiteVersionList);

} // namespace

} // namespace guard
