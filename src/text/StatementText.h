// The statements of an input text held in memory: C-style block and line comments removed, the
// rest cut at every ';', each statement with the line of its first non-white character. A line
// ends at a line feed, a carriage return and line feed pair, or a lone carriage return.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace znString {

// One statement: its characters (the terminator left out) and its line, counted from 1. A
// statement without any non-white character is dated to the line of its terminator, or of the
// end of the text.
struct stStatement {
  std::string_view text;
  std::uint32_t line;
};

class csStatementText {
 public:
  // Comments do not nest. A double quote opens a string, in which comment markers are ordinary
  // characters and a doubled double quote stands for one; the next single double quote closes
  // it. The line breaks inside a comment count. The text after the last ';' is a last
  // statement, so a text of n terminators holds n + 1 statements. A UTF-8 byte order mark
  // opening the text is no part of it. Throws exControlCharacter for the first control
  // character in the text, then exUnterminatedComment. The statements are cut out of raw in
  // place, so the text is held once.
  explicit csStatementText(std::string raw);
  csStatementText(const csStatementText&) = delete;
  csStatementText& operator=(const csStatementText&) = delete;

  // A control character other than tab, line feed, vertical tab, form feed and carriage
  // return, anywhere in the text: its line and its byte.
  struct exControlCharacter {
    std::uint32_t line;
    unsigned char code;
  };
  // A block comment without its closing marker: the line where it opens.
  struct exUnterminatedComment {
    std::uint32_t line;
  };

  // The statements in text order; their characters belong to this object.
  const std::vector<stStatement>& Statements() const { return statements_; }

 private:
  void Deliver(char c, char next);
  void EndStatement();

  // The raw text, overwritten from its start by the characters of every statement, one after
  // the other: they are never more than the characters read.
  std::string text_;
  std::size_t cleanEnd_ = 0;        // the end of the statements' characters
  std::size_t statementBegin_ = 0;  // where the current statement's characters begin
  std::vector<stStatement> statements_;
  std::uint32_t lines_ = 0;  // line breaks passed so far
  std::uint32_t statementLine_ = 0;
  bool leading_ = true;  // no non-white character of the current statement seen yet
};

}  // namespace znString
