#include "support/trace_ops.h"

#include <regex>
#include <sstream>
#include <stdexcept>

namespace mc::test {

double TraceOp::operator[](const std::string& key) const {
  if (!raw.count(key)) throw std::runtime_error("no " + key + " in a " + op + " operation");
  return std::stod(raw.at(key));
}

std::vector<TraceOp> parseTrace(const std::string& jsonLines) {
  // Values are numbers, true/false or strings whose only escapes (in our
  // tests) are \" and \\.
  static const std::regex field(R"re("(\w+)":("((?:[^"\\]|\\.)*)"|[^,}]+))re");
  static const std::regex escape(R"(\\(.))");
  std::vector<TraceOp> ops;
  std::istringstream in(jsonLines);
  for (std::string line; std::getline(in, line);) {
    TraceOp op;
    for (std::sregex_iterator it(line.begin(), line.end(), field), end; it != end; ++it) {
      const bool quoted = (*it)[3].matched;
      const std::string value = quoted ? std::regex_replace((*it)[3].str(), escape, "$1") : (*it)[2].str();
      if ((*it)[1] == "op") op.op = value;
      else op.raw[(*it)[1]] = value;
    }
    ops.push_back(op);
  }
  return ops;
}

std::vector<TraceOp> opsOf(const std::vector<TraceOp>& ops, const std::string& kind) {
  std::vector<TraceOp> out;
  for (const auto& op : ops)
    if (op.op == kind) out.push_back(op);
  return out;
}

std::vector<TraceOp> textsOf(const std::vector<TraceOp>& ops, const std::string& s) {
  std::vector<TraceOp> out;
  for (const auto& op : ops)
    if (op.op == "text" && op.text() == s) out.push_back(op);
  return out;
}

}  // namespace mc::test
