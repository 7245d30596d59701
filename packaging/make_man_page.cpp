// make_man_page HELP_TXT OUT.1 VERSION SUMMARY
//
// Turns the text that `mealcards --help` prints into the manual page, so the
// two cannot drift apart. The help text keeps a small, regular shape:
//   - the first block, starting "usage: ", is the synopsis;
//   - a line at the left margin ending in ':' opens a section;
//   - within a section, a line indented by two blanks is a term and the lines
//     indented further below it are its description;
//   - any other block of lines at the left margin is a paragraph.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::size_t indentOf(const std::string& line) {
  const auto pos = line.find_first_not_of(' ');
  return pos == std::string::npos ? line.size() : pos;
}

std::string trim(const std::string& s) { return s.substr(indentOf(s)); }

// Escapes text for roff: backslashes, and hyphens that start an option (or
// follow one), which must print as a minus sign to be typed in.
std::string roff(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\\') {
      out += "\\e";
    } else if (ch == '-' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '-' ||
                             text[i - 1] == '[' || text[i - 1] == '|' || text[i - 1] == '(')) {
      out += "\\-";
    } else {
      out += ch;
    }
  }
  // A line that starts with a dot or a quote would be read as a request.
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string upper(std::string s) {
  for (char& ch : s) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return s;
}

// "Options (before the command):" -> "OPTIONS"
std::string sectionName(const std::string& heading) {
  std::string name = heading.substr(0, heading.size() - 1);
  if (const auto paren = name.find(" ("); paren != std::string::npos) name.resize(paren);
  return upper(name);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: make_man_page HELP_TXT OUT.1 VERSION SUMMARY\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "make_man_page: cannot read " << argv[1] << '\n';
    return 1;
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);

  std::ostringstream man;
  man << ".TH MEALCARDS 1 \"\" \"mealcards " << argv[3] << "\" \"User Commands\"\n"
      << ".SH NAME\nmealcards \\- " << roff(argv[4]) << '\n';

  std::size_t i = 0;
  const auto blank = [&](std::size_t k) { return k >= lines.size() || trim(lines[k]).empty(); };
  // The synopsis: the usage lines, with their line breaks kept.
  man << ".SH SYNOPSIS\n.nf\n";
  for (; !blank(i); ++i) {
    std::string line = lines[i];
    if (line.rfind("usage: ", 0) == 0) line = line.substr(7);
    // A continued synopsis line stays indented under the program's name.
    const bool continued = line.find("mealcards") == std::string::npos;
    man << (continued ? "    " : "") << roff(trim(line)) << '\n';
  }
  man << ".fi\n.SH DESCRIPTION\n";

  while (i < lines.size()) {
    if (blank(i)) {
      ++i;
      continue;
    }
    const std::string& line = lines[i];
    const std::size_t indent = indentOf(line);
    if (indent == 0 && line.back() == ':' && !blank(i + 1) && indentOf(lines[i + 1]) > 0) {
      man << ".SH " << sectionName(line) << '\n';
      ++i;
    } else if (indent == 0) {
      std::string paragraph;
      for (; !blank(i) && indentOf(lines[i]) == 0; ++i) paragraph += (paragraph.empty() ? "" : " ") + lines[i];
      man << ".PP\n" << roff(paragraph) << '\n';
    } else {
      man << ".TP\n\\fB" << roff(trim(line)) << "\\fR\n";
      std::string description;
      for (++i; !blank(i) && indentOf(lines[i]) > indent; ++i)
        description += (description.empty() ? "" : " ") + trim(lines[i]);
      man << roff(description) << '\n';
    }
  }

  const std::string target = argv[2];
  const std::string temporary = target + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << man.str();
    if (!out.flush()) {
      std::cerr << "make_man_page: cannot write " << temporary << '\n';
      return 1;
    }
  }
  if (std::rename(temporary.c_str(), target.c_str()) != 0) {
    std::cerr << "make_man_page: cannot write " << target << '\n';
    return 1;
  }
  return 0;
}
