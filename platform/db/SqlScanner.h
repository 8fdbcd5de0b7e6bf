// Reads a statement text the way the server's lexer does, as far as the
// layer needs: how many statements it holds (separated by ';') and where
// named parameters (':' and a name) stand. Quoted strings ('...', "...",
// with backslash escapes and doubled quotes), quoted names (`...`) and
// comments (-- to the line end, # to the line end, /* ... */) are skipped:
// a colon or semicolon inside them is text.
//
// Classes in this file: TSqlParamRef, TSqlScan.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One occurrence of a named parameter.
struct TSqlParamRef {
  std::size_t Offset = 0; // of the colon
  std::size_t Length = 0; // the colon and the name
  std::string Name;
};

struct TSqlScan {
  // Statements with anything but blanks and comments in them.
  int StatementCount = 0;
  std::vector<TSqlParamRef> Params;
};

// Scans 'text'; parameters are looked for only when 'findParams' is true.
TSqlScan ScanSqlText(std::string_view text, bool findParams);
