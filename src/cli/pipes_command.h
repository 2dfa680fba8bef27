// tarnvik-calc pipes: the built-in pipe table, every pipe with its
// standard, outside diameter, wall and inner diameter, as text, CSV or
// JSON.
#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace tarnvik::cli {

class PipesCommand {
  public:
    void Add(CLI::App& parent);
    bool Parsed() const;
    int Run(std::ostream& out, std::ostream& err) const;

  private:
    enum class Format { Text, Csv, Json };

    CLI::App* app_ = nullptr;
    std::string standard_;
    Format format_ = Format::Text;
};

}  // namespace tarnvik::cli
