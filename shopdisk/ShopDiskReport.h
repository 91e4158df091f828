#pragma once
// The problems of one shop-disk run (a file not written, a record not converted), told together
// as one message when the run ends: a damaged disk or a long list of files gives one list to read,
// not a box per record. Questions that decide how the run goes on are still asked at once.

#include <string>
#include <vector>

class ShopDiskReport {
public:
    ShopDiskReport() = default;
    // Tells what is left, unless an exception is on its way out.
    ~ShopDiskReport();
    ShopDiskReport(const ShopDiskReport&) = delete;
    ShopDiskReport& operator=(const ShopDiskReport&) = delete;

    void Add(std::string problem) { problems_.push_back(std::move(problem)); }
    // Tells the problems so far in one message (a long list shortened, see fw::MessageLines) and
    // starts a new list.
    void Tell();

private:
    std::vector<std::string> problems_;
};
