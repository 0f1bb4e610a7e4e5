// A fault in the source material, located by file and line.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace duanxin::libgen {

class MaterialError : public std::runtime_error {
public:
    MaterialError(const std::string& fileName, std::size_t line, const std::string& message)
        : std::runtime_error(fileName + ":" + std::to_string(line) + ": " + message) {}
    explicit MaterialError(const std::string& report) : std::runtime_error(report) {}
};

} // namespace duanxin::libgen
