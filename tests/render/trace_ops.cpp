#include "trace_ops.h"

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace mc::test {

namespace {

struct Reader {
  const std::string& line;
  size_t at = 0;

  void skipBlanks() {
    while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
  }
  void expect(char c) {
    skipBlanks();
    if (at >= line.size() || line[at] != c)
      throw std::runtime_error(std::string("expected '") + c + "' in " + line);
    ++at;
  }
  std::string string() {
    expect('"');
    std::string out;
    while (at < line.size() && line[at] != '"') {
      char c = line[at++];
      if (c == '\\') {
        const char e = line.at(at++);
        if (e == 'n') c = '\n';
        else if (e == 't') c = '\t';
        else if (e == 'r') c = '\r';
        else if (e == 'u') {
          c = static_cast<char>(std::strtol(line.substr(at, 4).c_str(), nullptr, 16));
          at += 4;
        } else c = e;
      }
      out += c;
    }
    expect('"');
    return out;
  }
};

}  // namespace

double TraceOp::operator[](const std::string& key) const {
  const auto it = num.find(key);
  if (it == num.end()) throw std::runtime_error("no number " + key + " in " + op);
  return it->second;
}

std::string TraceOp::text() const {
  const auto it = str.find("s");
  return it == str.end() ? std::string() : it->second;
}

std::vector<TraceOp> parseTrace(const std::string& jsonLines) {
  std::vector<TraceOp> ops;
  std::istringstream in(jsonLines);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    Reader r{line};
    TraceOp op;
    r.expect('{');
    r.skipBlanks();
    while (r.at < line.size() && line[r.at] != '}') {
      const std::string key = r.string();
      r.expect(':');
      r.skipBlanks();
      if (line[r.at] == '"') {
        std::string value = r.string();
        if (key == "op") op.op = value;
        else op.str[key] = value;
      } else if (line.compare(r.at, 4, "true") == 0) {
        op.flag[key] = true;
        r.at += 4;
      } else if (line.compare(r.at, 5, "false") == 0) {
        op.flag[key] = false;
        r.at += 5;
      } else {
        char* end = nullptr;
        op.num[key] = std::strtod(line.c_str() + r.at, &end);
        if (end == line.c_str() + r.at) throw std::runtime_error("bad value in " + line);
        r.at = static_cast<size_t>(end - line.c_str());
      }
      r.skipBlanks();
      if (line[r.at] == ',') ++r.at;
      r.skipBlanks();
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
