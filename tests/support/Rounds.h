#pragma once
// How many rounds a test of random input runs: all of them natively, under the sanitizers; a
// quarter under Wine, where the same portable code runs again, slower, and the fuzz targets go
// deeper anyway.
namespace kbtest {

// True in a Windows program that runs under Wine.
bool UnderWine();

int Rounds(int native);

} // namespace kbtest
