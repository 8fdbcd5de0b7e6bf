// The criteria tree compiled, when the criteria are prepared, into typed
// predicates that read rows straight from the record buffers of a record
// storage: no variant and no virtual call per value. The program is flat:
// its leaves in the tree's order, each knowing where to go on when it holds
// and when it does not (so that short cuts are jumps), and the lists as
// steps that combine their children's results when every leaf is evaluated.
//
// A leaf is compiled when its data item is a definition of record storage
// (TcxFilterCriteriaItem::GetRecordValueDef) of a type held inline or as an
// 8-bit string, its operator is one of the standard ones, and its condition
// converts to the column's kind; its condition is converted once, a LIKE
// pattern classified once (prefix, suffix, contains, exact or general), text
// case folded through a 256-byte table of the locale's upper case, a date
// range held as two numbers. Any other leaf is evaluated as before, through
// the criteria.
//
// Every leaf is evaluated, as the criteria's own evaluation does, except
// that a program of typed leaves alone may stop combining a list once its
// result is known: a typed leaf never raises, whatever the row's values, so
// the leaves passed over cannot change the answer. A row whose value is Null
// (or soft-null, with fcoSoftNull) at a leaf the program reaches is left to
// the criteria's own evaluation; evaluating every leaf, so is a row with any
// used value Null.
//
// Classes in this file: TcxCompiledFilter.
#pragma once

#include <memory>
#include <string>

class TObject;
class TcxDataStorage;
class TcxFilterCriteria;

class TcxCompiledFilter {
public:
  enum class TResult { False, True, Undecided };

  // The program of the criteria's tree; nil when no leaf can be compiled.
  static std::unique_ptr<TcxCompiledFilter> Compile(TcxFilterCriteria& criteria);
  ~TcxCompiledFilter();

  // Whether record 'recordIndex' of 'storage' (the row 'data') passes.
  // Undecided when the row is for the criteria's own evaluation: a record of
  // another storage or an internal one, a value read that is Null, or a
  // layout changed since the program was made. 'shortCut' lets a program of
  // typed leaves alone stop combining a list once its result is known.
  TResult Evaluate(TcxDataStorage* storage, int recordIndex, TObject* data,
                   bool shortCut = true) const;
  // Whether every leaf was compiled.
  bool AllLeavesTyped() const;

  // The parts of a program (in the source file).
  struct TColumn;
  struct TInstruction;
  struct TListStep;
  struct TProgram;

private:
  TcxCompiledFilter();
  bool LayoutStillHolds() const;
  void FetchAhead(const TcxDataStorage& storage, int recordIndex) const;

  std::unique_ptr<TProgram> m_program;
  // The folded text of a row's value, reused from row to row.
  mutable std::string m_folded;
  // Each leaf's and each list's result while every leaf is evaluated.
  std::unique_ptr<bool[]> m_leafResults;
  std::unique_ptr<bool[]> m_listResults;
};
