// Reads a trace (JSON Lines of flat objects) back into operations, so that
// tests can ask what was drawn where.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace mc::test {

struct TraceOp {
  std::string op;
  std::map<std::string, std::string> raw;  // values as written, strings unquoted

  double operator[](const std::string& key) const;  // a number
  std::string str(const std::string& key) const { return raw.count(key) ? raw.at(key) : ""; }
  std::string text() const { return str("s"); }
};

std::vector<TraceOp> parseTrace(const std::string& jsonLines);
// The operations of one kind, and the text operations printing exactly `s`.
std::vector<TraceOp> opsOf(const std::vector<TraceOp>& ops, const std::string& kind);
std::vector<TraceOp> textsOf(const std::vector<TraceOp>& ops, const std::string& s);

}  // namespace mc::test
