#!/usr/bin/env python3
"""Writes a synthetic Delphi project for the scan benchmarks.

    generate_corpus.py OUTDIR (--lines N | --units N) [--seed S]

OUTDIR/Corpus.dpr lists every unit as  Name in 'Folder\\Name.pas'; the units
are spread over subfolders, and about a third of them have a text form (.dfm)
of the same name. Units hold class declarations with fields, properties and
methods and routines of 5 to 60 lines built from the statements a Delphi
program is made of. The code is type-consistent, so the corpus reads like a
real project. All files use CR LF line ends. The same seed gives the same
files.
"""

import argparse
import os
import random
import sys

INT, STR, DBL, BOOL, LIST = "Integer", "string", "Double", "Boolean", "TStringList"
SCALARS = (INT, STR, DBL, BOOL)

AREAS = ["Sales", "Stock", "Billing", "Customers", "Orders", "Payroll", "Reports",
         "Shipping", "Assets", "Ledger", "Planning", "Service", "Purchasing", "Common"]
NOUNS = ["Order", "Invoice", "Customer", "Item", "Account", "Batch", "Payment",
         "Shipment", "Supplier", "Contract", "Price", "Tax", "Address", "Employee",
         "Warehouse", "Product", "Discount", "Budget", "Project", "Ticket", "Vendor",
         "Receipt", "Delivery", "Period", "Currency", "Region", "Quote", "Voucher"]
ROLES = ["List", "Edit", "View", "Lookup", "Import", "Export", "Check", "Calc",
         "Setup", "Report", "Select", "Browse", "Entry", "Summary"]
CLASS_ROLES = ["Item", "Record", "Manager", "Helper", "Cache", "Info", "Builder", "Queue"]
VERBS = ["Load", "Save", "Find", "Check", "Calc", "Update", "Format", "Build", "Read",
         "Write", "Count", "Merge", "Parse", "Apply", "Clear", "Fill", "Sort", "Post"]
WORDS = ["customer", "order", "total", "amount", "date", "line", "number", "name",
         "stock", "price", "code", "account", "invoice", "value", "record", "file",
         "default", "limit", "current", "next", "first", "last", "empty", "list",
         "payment", "period", "tax", "rate", "report", "item", "status", "key"]
PHRASES = ["Customer not found", "Order total", "Invalid amount", "Saved", "No items",
           "Can''t open the file", "Please enter a name", "Done", "Processing ",
           "Total: ", "Item ", " of ", "Error in line ", "The account is closed",
           "Unknown code", "Ready", "Invoice", ", ", "; ", "-", "Not available",
           "Delivery date", "Value is out of range", "Stock level"]

# Names for locals, per type; parameters have their own names, so a local
# never hides a parameter.
LOCAL_NAMES = {
    INT: ["Count", "Index", "Total", "N", "Len", "Code", "Level", "Start", "Step", "Limit"],
    STR: ["S", "Msg", "Line", "Key", "Buf", "Part", "Prefix", "Title", "Res", "Txt"],
    DBL: ["Amount", "Rate", "Ratio", "Sum", "X", "Y", "Factor", "Net", "Gross"],
    BOOL: ["Found", "Done", "Ok", "Changed", "Valid", "Busy"],
    LIST: ["Lines", "Parts", "Keys", "Buffer", "Entries", "Words"],
}
PARAM_NAMES = {
    INT: ["ACount", "AIndex", "ALimit", "AStep", "ALevel", "AId"],
    STR: ["AName", "AText", "AKey", "APrefix", "AFileName", "ACode"],
    DBL: ["AValue", "ARate", "AFactor", "AAmount"],
    BOOL: ["AEnabled", "AForce", "AVisible"],
    LIST: ["AList", "ALines", "ATarget"],
}
LOOP_NAMES = ["I", "J", "K"]

# Form components: name stem, name prefix, heights the designer gives them,
# the typed properties that code reads and assigns, and whether the component
# holds others.
COMPONENTS = {
    "TButton": ("Button", "btn", (25,), {"Caption": STR, "Enabled": BOOL}, False),
    "TLabel": ("Label", "lbl", (13,), {"Caption": STR, "Visible": BOOL}, False),
    "TEdit": ("Edit", "edt", (21,), {"Text": STR, "ReadOnly": BOOL}, False),
    "TCheckBox": ("CheckBox", "chk", (17,), {"Checked": BOOL, "Caption": STR}, False),
    "TComboBox": ("ComboBox", "cbo", (21,), {"Text": STR, "ItemIndex": INT}, False),
    "TListBox": ("ListBox", "lst", (97, 145), {"ItemIndex": INT}, False),
    "TMemo": ("Memo", "mem", (89, 121), {"Text": STR}, False),
    "TPanel": ("Panel", "pnl", (41, 97, 185), {"Caption": STR, "Visible": BOOL}, True),
    "TGroupBox": ("GroupBox", "grp", (105, 145, 185), {"Caption": STR, "Enabled": BOOL}, True),
}
CONTAINERS = ["TPanel", "TGroupBox"]
CONTROLS = ["TButton", "TLabel", "TEdit", "TCheckBox", "TComboBox", "TListBox", "TMemo",
            "TButton", "TLabel", "TEdit"]


class Callee:
    """A routine that code can call: name, parameters and result type."""

    def __init__(self, name, params, result):
        self.name = name
        self.params = params  # [(modifier, type)]
        self.result = result  # None for a procedure


class Scope:
    """The names visible in a routine body, by type.

    readable: everything that can be read; assignable: what can stand left of
    ':=' (variables and writable properties); variables: what can also be
    passed as a var parameter or to Inc.
    """

    def __init__(self):
        self.readable = {t: [] for t in SCALARS + (LIST,)}
        self.assignable = {t: [] for t in SCALARS + (LIST,)}
        self.variables = {t: [] for t in SCALARS + (LIST,)}
        self.locals = {}  # name -> type, in declaration order
        self.loops = []

    def add(self, name, type_, assignable, variable=True):
        self.readable[type_].append(name)
        if assignable:
            self.assignable[type_].append(name)
            if variable:
                self.variables[type_].append(name)

    def remove(self, name, type_):
        for names in (self.readable, self.assignable, self.variables):
            if name in names[type_]:
                names[type_].remove(name)


class RoutineWriter:
    """Writes the statements of one routine into a list of lines."""

    def __init__(self, rng, scope, callees, form_unit):
        self.rng = rng
        self.scope = scope
        self.callees = callees
        self.form_unit = form_unit

    # Expressions -----------------------------------------------------------

    def local(self, type_):
        """A local of the type, declared on first use."""
        names = [n for n in LOCAL_NAMES[type_] if n not in self.scope.locals]
        if not names:
            return self.rng.choice([n for n in LOCAL_NAMES[type_] if n in self.scope.locals])
        name = self.rng.choice(names)
        self.scope.locals[name] = type_
        self.scope.add(name, type_, True)
        return name

    def target(self, type_):
        names = self.scope.assignable[type_]
        if names and self.rng.random() < 0.8:
            return self.rng.choice(names)
        return self.local(type_)

    def variable(self, type_):
        names = self.scope.variables[type_]
        if names and self.rng.random() < 0.8:
            return self.rng.choice(names)
        return self.local(type_)

    def var(self, type_):
        names = self.scope.readable[type_]
        return self.rng.choice(names) if names else None

    def call(self, callee, depth):
        args = []
        for modifier, type_ in callee.params:
            if modifier == "var":
                args.append(self.variable(type_))
            elif type_ == LIST:
                names = self.scope.readable[LIST]
                if not names:
                    return None
                args.append(self.rng.choice(names))
            else:
                args.append(self.expr(type_, depth))
        return callee.name + ("(" + ", ".join(args) + ")" if args else "")

    def callee_expr(self, type_, depth):
        candidates = self.callees.get(type_)
        if not candidates:
            return None
        return self.call(self.rng.choice(candidates), depth - 1)

    def literal(self, type_):
        r = self.rng
        if type_ == INT:
            return str(r.choice([0, 1, 2, 3, 5, 10, 12, 50, 100, 255, 1000, r.randint(0, 999)]))
        if type_ == STR:
            return "'" + (r.choice(PHRASES) if r.random() < 0.7 else r.choice(WORDS)) + "'"
        if type_ == DBL:
            return r.choice(["0.5", "1.0", "1.25", "100.0", "0.19", "2.5", "12.75"])
        return r.choice(["True", "False"])

    def atom(self, type_):
        name = self.var(type_)
        if name and self.rng.random() < 0.75:
            return name
        return self.literal(type_)

    def expr(self, type_, depth=2):
        r = self.rng
        if depth <= 0 or r.random() < 0.35:
            return self.atom(type_)
        d = depth - 1
        k = r.random()
        if k < 0.12:
            made = self.callee_expr(type_, depth)
            if made:
                return made
        if type_ == INT:
            lists = self.scope.readable[LIST]
            return r.choice([
                lambda: "Length(" + self.expr(STR, d) + ")",
                lambda: self.atom(INT) + " + " + self.expr(INT, d),
                lambda: self.atom(INT) + " * " + str(r.randint(2, 9)),
                lambda: "StrToIntDef(" + self.expr(STR, d) + ", 0)",
                lambda: "Round(" + self.expr(DBL, d) + ")",
                lambda: (r.choice(lists) + ".Count") if lists else "0",
                lambda: "Pos('" + r.choice(WORDS) + "', " + self.atom(STR) + ")",
                lambda: "(" + self.expr(INT, d) + " + " + self.atom(INT) + ") div 2",
                lambda: self.atom(INT) + " mod " + str(r.randint(2, 12)),
                lambda: "Max(" + self.atom(INT) + ", " + self.atom(INT) + ")",
            ])()
        if type_ == STR:
            lists = self.scope.readable[LIST]
            return r.choice([
                lambda: "IntToStr(" + self.expr(INT, d) + ")",
                lambda: "Trim(" + self.expr(STR, d) + ")",
                lambda: "UpperCase(" + self.atom(STR) + ")",
                lambda: "LowerCase(" + self.atom(STR) + ")",
                lambda: "Copy(" + self.atom(STR) + ", 1, " + self.atom(INT) + ")",
                lambda: self.atom(STR) + " + " + self.expr(STR, d),
                lambda: "Format('%s (%d)', [" + self.atom(STR) + ", " + self.atom(INT) + "])",
                lambda: "FloatToStr(" + self.expr(DBL, d) + ")",
                lambda: (r.choice(lists) + "[" + self.atom(INT) + "]") if lists else "''",
                lambda: "QuotedStr(" + self.atom(STR) + ")",
                lambda: "StringOfChar(' ', " + self.atom(INT) + ")",
            ])()
        if type_ == DBL:
            return r.choice([
                lambda: self.atom(INT) + " * " + self.literal(DBL),
                lambda: self.atom(DBL) + " / 2.0",
                lambda: "Sqrt(Abs(" + self.expr(DBL, d) + "))",
                lambda: self.atom(DBL) + " * " + self.expr(DBL, d),
                lambda: self.atom(DBL) + " - " + self.atom(DBL),
                lambda: "StrToFloatDef(" + self.atom(STR) + ", 0)",
                lambda: "Int(" + self.atom(DBL) + ")",
            ])()
        return self.cond(depth)

    def cond(self, depth=2):
        r = self.rng
        d = depth - 1
        lists = self.scope.readable[LIST]
        return r.choice([
            lambda: self.atom(INT) + " > " + self.expr(INT, d),
            lambda: self.atom(INT) + " <= " + self.atom(INT),
            lambda: self.atom(STR) + " = ''",
            lambda: self.atom(STR) + " <> " + self.expr(STR, d),
            lambda: "Pos('" + r.choice(WORDS) + "', " + self.atom(STR) + ") > 0",
            lambda: "not " + self.atom(BOOL),
            lambda: self.atom(BOOL),
            lambda: "(" + self.cond(d) + ") and (" + self.cond(d) + ")",
            lambda: "(" + self.cond(d) + ") or " + self.atom(BOOL),
            lambda: (r.choice(lists) + ".Count = 0") if lists else "Odd(" + self.atom(INT) + ")",
            lambda: "SameText(" + self.atom(STR) + ", " + self.literal(STR) + ")",
            lambda: self.atom(DBL) + " >= " + self.expr(DBL, d),
        ])() if depth > 0 else self.atom(BOOL)

    # Statements ------------------------------------------------------------

    def simple(self, ind):
        """A one-line statement: mostly assignments, then Inc and Dec, list
        operations and procedure calls."""
        r = self.rng
        k = r.random()
        lists = self.scope.readable[LIST]
        procedures = self.callees.get(None)
        if 0.6 <= k < 0.7:
            return [ind + r.choice(["Inc", "Inc", "Dec"]) + "(" + self.variable(INT) + ");"]
        if 0.7 <= k < 0.8 and lists:
            return [ind + r.choice(lists) + r.choice([
                lambda: ".Add(" + self.expr(STR) + ");",
                lambda: ".Add(" + self.expr(STR) + ");",
                lambda: ".Clear;",
                lambda: ".Sort;",
                lambda: ".Insert(0, " + self.atom(STR) + ");",
            ])()]
        if k >= 0.8 and procedures:
            made = self.call(r.choice(procedures), 1)
            if made:
                return [ind + made + ";"]
        type_ = r.choice(SCALARS)
        target = self.target(type_)
        value = self.expr(type_)
        if value == target:
            value = self.literal(type_)
        return [ind + target + " := " + value + ";"]

    def body(self, budget, ind):
        """The statement after 'then', 'do' or a case label written at indent ind:
        one statement indented below it, or a begin ... end block."""
        if budget < 4 or self.rng.random() < 0.3:
            return self.statement(max(budget, 1), ind + "  ", single=True)
        return [ind + "begin"] + self.block(budget - 2, ind + "  ") + [ind + "end;"]

    @staticmethod
    def open_end(lines):
        """The lines of a statement followed by 'else': no final semicolon."""
        lines[-1] = lines[-1][:-1]
        return lines

    def statement(self, budget, ind, single=False):
        """A statement of about `budget` lines; with single, one that can
        stand after 'then' or 'do' without begin ... end."""
        r = self.rng
        if budget < 3 or len(ind) > 14:
            return self.simple(ind)
        # Deeper statements are more often simple ones, as in real code.
        k = 0.4 * (len(ind) - 2) / 12 + r.random()
        inner = ind + "  "
        sub = budget - 2
        if k < 0.40:
            return self.simple(ind)
        if k < 0.55:
            head = [ind + "if " + self.cond() + " then"]
            if r.random() < 0.5:
                return head + self.body(sub, ind)
            then_part = self.open_end(self.body(sub // 2, ind))
            return head + then_part + [ind + "else"] + self.body(sub - sub // 2, ind)
        if k < 0.63:
            return self.for_loop(sub, ind)
        if k < 0.68:
            counter = self.variable(INT)
            lines = [ind + "while " + counter + " < " + self.expr(INT, 1) + " do", ind + "begin"]
            lines += self.block(max(sub - 3, 1), inner)
            return lines + [inner + "Inc(" + counter + ");", ind + "end;"]
        if k < 0.70:
            lines = [ind + "repeat"] + self.block(sub, inner)
            return lines + [ind + "until " + self.cond(1) + ";"]
        if k < 0.77 and not single:
            return self.try_finally(sub, ind)
        if k < 0.81:
            message = self.target(STR)
            lines = [ind + "try"] + self.block(max(sub - 3, 1), inner)
            return lines + [ind + "except", inner + "on E: Exception do",
                            inner + "  " + message + " := E.Message;", ind + "end;"]
        if k < 0.87:
            return self.case_statement(sub, ind)
        if k < 0.90:
            return self.with_statement(ind)
        return self.simple(ind)

    def for_loop(self, budget, ind):
        r = self.rng
        free = [n for n in LOOP_NAMES if n not in self.scope.loops]
        if not free:
            return self.simple(ind)
        name = free[0]
        if name not in self.scope.locals:
            self.scope.locals[name] = INT
        lists = self.scope.readable[LIST]
        if lists and r.random() < 0.5:
            bounds = "0 to " + r.choice(lists) + ".Count - 1"
        elif r.random() < 0.5:
            bounds = "1 to Length(" + self.atom(STR) + ")"
        elif r.random() < 0.7:
            bounds = "0 to " + str(r.randint(3, 40))
        else:
            bounds = self.atom(INT) + " downto 1"
        self.scope.loops.append(name)
        self.scope.add(name, INT, False)
        lines = [ind + "for " + name + " := " + bounds + " do"] + self.body(budget, ind)
        self.scope.remove(name, INT)
        self.scope.loops.pop()
        return lines

    def try_finally(self, budget, ind):
        inner = ind + "  "
        if self.form_unit and self.rng.random() < 0.3:
            lines = [ind + "Screen.Cursor := crHourGlass;", ind + "try"]
            lines += self.block(max(budget - 3, 1), inner)
            return lines + [ind + "finally", inner + "Screen.Cursor := crDefault;", ind + "end;"]
        free = [n for n in LOCAL_NAMES[LIST] if n not in self.scope.readable[LIST]]
        if not free:
            return self.simple(ind)
        name = self.rng.choice(free)
        self.scope.locals[name] = LIST
        lines = [ind + name + " := TStringList.Create;", ind + "try"]
        self.scope.add(name, LIST, False)
        lines += self.block(max(budget - 4, 1), inner)
        self.scope.remove(name, LIST)
        return lines + [ind + "finally", inner + name + ".Free;", ind + "end;"]

    def case_statement(self, budget, ind):
        r = self.rng
        inner = ind + "  "
        lines = [ind + "case " + self.expr(INT, 1) + " of"]
        labels = r.sample(range(0, 12), r.randint(2, 4))
        share = max(budget // (len(labels) + 1), 1)
        for label in labels:
            text = str(label)
            if r.random() < 0.3:
                text += ", " + str(label + 20)
            lines.append(inner + text + ":")
            lines += self.body(share, inner)
        if r.random() < 0.5:
            lines.append(ind + "else")
            lines += self.block(share, inner)
        return lines + [ind + "end;"]

    def with_statement(self, ind):
        lists = self.scope.readable[LIST]
        if not lists:
            return self.simple(ind)
        inner = ind + "  "
        lines = [ind + "with " + self.rng.choice(lists) + " do", ind + "begin"]
        for _ in range(self.rng.randint(1, 3)):
            lines.append(inner + "Add(" + self.literal(STR) + ");")
        lines.append(inner + self.rng.choice(["Sort;", "Sorted := True;", "Delete(0);"]))
        return lines + [ind + "end;"]

    def block(self, budget, ind):
        r = self.rng
        lines = []
        while len(lines) < budget:
            roll = r.random()
            if roll < 0.06:
                lines.append(ind + "// " + sentence(r))
            elif roll < 0.08:
                lines.append(ind + "{ " + sentence(r) + " }")
            statement = self.statement(budget - len(lines), ind)
            if roll > 0.97 and len(statement) == 1:
                statement[0] += "  (* " + r.choice(WORDS) + " *)"
            lines += statement
        return lines


def sentence(rng):
    words = rng.sample(WORDS, rng.randint(3, 7))
    return (" ".join(words)).capitalize()


def signature(rng, kind):
    """The heading of a routine and its parameters as (modifier, type, name)."""
    params = []
    used = set()
    for _ in range(rng.choice([0, 1, 1, 2, 2, 3])):
        type_ = rng.choice(SCALARS + (INT, STR, LIST))
        names = [n for n in PARAM_NAMES[type_] if n not in used]
        if not names:
            continue
        pname = rng.choice(names)
        used.add(pname)
        modifier = ""
        if type_ == STR and rng.random() < 0.5:
            modifier = "const"
        elif type_ in (INT, STR) and rng.random() < 0.1:
            modifier = "var"
        params.append((modifier, type_, pname))
    result = rng.choice(SCALARS) if kind == "function" else None
    return params, result


def heading(kind, qualified, params, result, tail=""):
    text = kind + " " + qualified
    if params:
        text += "(" + "; ".join((m + " " if m else "") + n + ": " + t
                                for m, t, n in params) + ")"
    if result:
        text += ": " + result
    return text + ";" + tail


class Routine:
    """A routine to write: heading data and the generated lines."""

    def __init__(self, kind, name, params, result, owner=None, tail=""):
        self.kind, self.name, self.params, self.result = kind, name, params, result
        self.owner, self.tail = owner, tail
        self.lines = []

    def callee(self):
        return Callee(self.name, [(m, t) for m, t, _ in self.params], self.result)

    def declaration(self):
        """The heading inside the class or the interface."""
        return heading(self.kind, self.name, self.params, self.result, self.tail)

    def heading(self):
        """The heading of the implementation."""
        qualified = self.owner + "." + self.name if self.owner else self.name
        return heading(self.kind, qualified, self.params, self.result)


def write_routine(rng, routine, callees, fields, form_unit, length):
    """Fills routine.lines with a complete routine of about `length` lines."""
    scope = Scope()
    for name, type_, assignable in fields:
        scope.add(name, type_, assignable, variable=name.startswith("F"))
    for modifier, type_, name in routine.params:
        if type_ in scope.readable:  # an event's Sender is not used
            scope.add(name, type_, modifier != "const" and type_ != LIST)
    own_callees = {k: list(v) for k, v in callees.items()}
    pre = []
    if rng.random() < 0.2:
        pre.append("const")
        value = rng.choice([3, 10, 25, 100, 255])
        pre.append("  MaxTries = " + str(value) + ";")
        pre.append("  DefaultText = '" + rng.choice(WORDS) + "';")
        scope.add("MaxTries", INT, False)
        scope.add("DefaultText", STR, False)
    nested = []
    if length > 25 and rng.random() < 0.12:
        inner = Routine("function", "Clamp", [("", INT, "AValue")], INT)
        inner_scope = Scope()
        inner_scope.add("AValue", INT, True)
        inner_scope.add("Result", INT, True)
        writer = RoutineWriter(rng, inner_scope, {}, form_unit)
        body = ["  Result := AValue;"] + writer.block(rng.randint(2, 6), "  ")
        body += ["  if Result < 0 then", "    Result := 0;"]
        nested = ["  " + inner.declaration()]
        if inner_scope.locals:
            nested += ["  var"] + ["    " + n + ": " + t + ";"
                                   for n, t in inner_scope.locals.items()]
        nested += ["  begin"] + ["  " + line for line in body] + ["  end;", ""]
        own_callees.setdefault(INT, []).append(inner.callee())
    writer = RoutineWriter(rng, scope, own_callees, form_unit)
    body = []
    if routine.result:
        scope.add("Result", routine.result, True)
        body.append("  Result := " + writer.literal(routine.result) + ";")
    budget = max(length - len(pre) - len(nested) - 6, 2)
    body += writer.block(budget, "  ")
    if routine.result:
        body.append("  Result := " + writer.expr(routine.result) + ";")
    lines = [routine.heading()]
    if scope.locals:
        lines.append("var")
        by_type = {}
        for name, type_ in scope.locals.items():
            by_type.setdefault(type_, []).append(name)
        for type_, names in by_type.items():
            lines.append("  " + ", ".join(names) + ": " + type_ + ";")
    lines += pre + nested + ["begin"] + body + ["end;"]
    routine.lines = lines


def routine_length(rng):
    return rng.choice([6, 8, 10, 12, 14, 16, 20, 24, 30, 36, 42, 48])


class Form:
    """The components of a form: dfm text and Pascal declarations."""

    def __init__(self, rng, form_name, class_name, caption):
        self.rng = rng
        self.counts = {}
        self.fields = []  # (name, type)
        self.events = ["FormCreate"]  # handler names
        self.props = []  # (expression, type) usable in code
        self.lines = ["object " + form_name + ": " + class_name]
        width, height = rng.choice([(640, 480), (800, 600), (520, 360), (720, 540)])
        self.lines += ["  Left = " + str(rng.randint(100, 400)),
                       "  Top = " + str(rng.randint(80, 300)),
                       "  Width = " + str(width), "  Height = " + str(height),
                       "  Caption = '" + caption + "'", "  Color = clBtnFace",
                       "  Font.Charset = DEFAULT_CHARSET", "  Font.Color = clWindowText",
                       "  Font.Height = -11", "  Font.Name = 'MS Sans Serif'",
                       "  Font.Style = []", "  OldCreateOrder = False",
                       "  Position = poScreenCenter", "  OnCreate = FormCreate",
                       "  PixelsPerInch = 96", "  TextHeight = 13"]
        for _ in range(rng.randint(2, 4)):
            self.component(rng.choice(CONTAINERS), "  ", width - 8, 1)
        for _ in range(rng.randint(0, 2)):
            self.data_components(width)
        self.lines.append("end")

    def name_for(self, type_, stem, prefix):
        number = self.counts.get(type_, 0) + 1
        self.counts[type_] = number
        if self.rng.random() < 0.4:
            return stem + str(number)
        return prefix + self.rng.choice(NOUNS) + str(number)

    def component(self, type_, ind, room, depth):
        """Writes a component that fits into `room` pixels of its parent."""
        r = self.rng
        stem, prefix, heights, props, container = COMPONENTS[type_]
        name = self.name_for(type_, stem, prefix)
        self.fields.append((name, type_))
        self.props += [(name + "." + prop, ptype) for prop, ptype in props.items()]
        width = min(room - 16, r.choice([75, 97, 121, 185, 240, 320]))
        lines = ["object " + name + ": " + type_,
                 "  Left = " + str(r.randint(8, max(8, room - width - 8))),
                 "  Top = " + str(r.randint(8, 300)),
                 "  Width = " + str(width), "  Height = " + str(r.choice(heights))]
        if "Caption" in props:
            # The designer's default caption is left in place now and then.
            caption = name if name[-1].isdigit() and r.random() < 0.5 else sentence(r)
            lines.append("  Caption = '" + caption + "'")
        if type_ == "TEdit":
            lines.append("  Text = ''")
        if type_ in ("TComboBox", "TListBox", "TMemo"):
            lines.append("  " + ("Lines" if type_ == "TMemo" else "Items") + ".Strings = (")
            items = ["    '" + r.choice(WORDS) + " " + str(i) + "'" for i in range(r.randint(2, 6))]
            items[-1] += ")"
            lines += items
        if r.random() < 0.1:
            lines += ["  Font.Charset = DEFAULT_CHARSET", "  Font.Color = clNavy",
                      "  Font.Height = -13", "  Font.Name = 'Arial'", "  Font.Style = [fsBold]",
                      "  ParentFont = False"]
        if r.random() < 0.25:
            lines += ["  Hint = '" + sentence(r) + "'",
                      "  ShowHint = " + r.choice(["True", "False"])]
        if r.random() < 0.08:
            lines.append("  Tag = 0")
        if type_ != "TLabel":
            lines.append("  TabOrder = " + str(r.randint(0, 9)))
        if type_ == "TButton":
            self.events.append(name + "Click")
            lines.append("  OnClick = " + name + "Click")
        self.lines += [ind + line for line in lines]
        if container and depth < 3:
            for _ in range(r.randint(2, 6)):
                child = r.choice(CONTROLS + (CONTAINERS if depth < 2 else []))
                self.component(child, ind + "  ", width, depth + 1)
        self.lines.append(ind + "end")

    def data_components(self, room):
        """A table, its data source (now and then without its dataset) and a
        grid with columns."""
        r = self.rng
        number = self.counts.get("data", 0) + 1
        self.counts["data"] = number
        noun = r.choice(NOUNS)
        table, source, grid = "tbl" + noun + str(number), "ds" + noun + str(number), \
            "grd" + noun + str(number)
        self.fields += [(table, "TTable"), (source, "TDataSource"), (grid, "TDBGrid")]
        self.lines += ["  object " + grid + ": TDBGrid", "    Left = 8",
                       "    Top = " + str(r.randint(8, 300)),
                       "    Width = " + str(room - 16), "    Height = 120",
                       "    DataSource = " + source, "    TabOrder = " + str(r.randint(0, 9)),
                       "    Columns = <"]
        for column in range(r.randint(2, 5)):
            field = r.choice(WORDS)
            self.lines += ([] if column == 0 else ["      end"]) + [
                "      item", "        FieldName = '" + field.upper() + "'",
                "        Title.Caption = '" + field.capitalize() + "'",
                "        Width = " + str(r.choice([64, 80, 120, 200]))]
        self.lines += ["      end>", "  end",
                       "  object " + table + ": TTable",
                       "    Active = " + r.choice(["True", "False", "False"]),
                       "    DatabaseName = 'DATA'",
                       "    TableName = '" + noun.upper() + "S.DB'"]
        self.lines += self.place() + ["  end", "  object " + source + ": TDataSource"]
        if r.random() < 0.8:
            self.lines.append("    DataSet = " + table)
        self.lines += self.place() + ["  end"]

    def place(self):
        """Where the designer put a non-visual component."""
        return ["    Left = " + str(self.rng.randint(8, 300)),
                "    Top = " + str(self.rng.randint(8, 300))]


FORM_USES = ["  Windows, Messages, SysUtils, Classes, Math, Graphics, Controls, Forms, Dialogs,",
             "  StdCtrls, ExtCtrls, Grids, DBGrids, DB, DBTables;"]
PLAIN_USES = ["  SysUtils, Classes, Math;"]


def write_unit(rng, index, name, target, exported, with_form):
    """The unit's lines and, with a form, the form's lines.

    exported maps earlier unit names to their callable routines; the unit's
    own global routines are added to it.
    """
    noun = rng.choice(NOUNS)
    data_class = "T" + noun + rng.choice(CLASS_ROLES) + str(index)
    used = rng.sample(list(exported), min(len(exported), rng.randint(0, 3)))
    callees = {}
    for unit in used:
        for callee in exported[unit]:
            callees.setdefault(callee.result, []).append(callee)

    form = None
    form_class = form_var = None
    if with_form:
        form_var = "frm" + name
        form_class = "T" + form_var
        form = Form(rng, form_var, form_class, noun + " " + rng.choice(ROLES).lower())

    fields = [("FCount", INT), ("FName", STR), ("FValue", DBL), ("FActive", BOOL),
              ("FItems", LIST)]
    data_fields = [(n, t, True) for n, t in fields]
    data_fields += [("Count", INT, False), ("Name", STR, True), ("Value", DBL, True)]
    setter = Routine("procedure", "SetName", [("const", STR, "AValue")], None, data_class)
    setter.lines = [setter.heading(), "begin", "  if AValue <> FName then", "  begin",
                    "    FName := AValue;", "    FActive := True;", "  end;", "end;"]
    getter = Routine("function", "GetCount", [], INT, data_class)
    getter.lines = [getter.heading(), "begin", "  Result := FItems.Count + FCount;", "end;"]
    constructor = Routine("constructor", "Create", [], None, data_class)
    constructor.lines = [constructor.heading(), "begin", "  inherited Create;",
                         "  FItems := TStringList.Create;",
                         "  FName := '" + rng.choice(WORDS) + "';", "end;"]
    destructor = Routine("destructor", "Destroy", [], None, data_class, " override;")
    destructor.lines = [destructor.heading(), "begin", "  FItems.Free;",
                        "  inherited Destroy;", "end;"]
    private_methods = [setter, getter]
    methods = [constructor, destructor]
    form_methods = []
    globals_ = []
    own = []
    written = 80 + (40 if form else 0)
    if form:
        for event in form.events:
            routine = Routine("procedure", event, [("", "TObject", "Sender")], None, form_class)
            form_methods.append(routine)
    method_names = {"Create", "Destroy", "SetName", "GetCount"}
    global_names = set()
    pending = list(form_methods)
    while written < target or pending:
        if pending:
            routine = pending.pop(0)
            data = [(expr, t, True) for expr, t in form.props]
        else:
            kind = rng.choice(["procedure", "function", "function"])
            verb, object_ = rng.choice(VERBS), rng.choice(NOUNS)
            if rng.random() < 0.45:
                rname = verb + object_
                if rname in method_names:
                    continue
                method_names.add(rname)
                params, result = signature(rng, kind)
                routine = Routine(kind, rname, params, result, data_class)
                methods.append(routine)
                data = data_fields
            else:
                rname = verb + object_ + str(index)
                if rname in global_names:
                    continue
                global_names.add(rname)
                params, result = signature(rng, kind)
                routine = Routine(kind, rname, params, result)
                globals_.append(routine)
                data = []
        all_callees = dict(callees)
        for callee in own:
            all_callees.setdefault(callee.result, []).append(callee)
        write_routine(rng, routine, all_callees, data, form is not None, routine_length(rng))
        if routine.owner is None:
            own.append(routine.callee())
        written += len(routine.lines) + 2
    exported[name] = own

    lines = ["unit " + name + ";", "",
             "{ " + sentence(rng) + ".", "  " + sentence(rng) + ". }", "",
             "interface", "", "uses"] + (FORM_USES if form else PLAIN_USES) + ["", "type"]
    lines += ["  " + data_class + " = class(TObject)", "  private"]
    lines += ["    " + n + ": " + t + ";" for n, t in fields]
    lines += ["    " + m.declaration() for m in private_methods]
    lines += ["  public"] + ["    " + m.declaration() for m in methods]
    lines += ["    property Count: Integer read GetCount;",
              "    property Name: string read FName write SetName;",
              "    property Value: Double read FValue write FValue;",
              "    property Active: Boolean read FActive write FActive;", "  end;", ""]
    if form:
        lines.append("  " + form_class + " = class(TForm)")
        lines += ["    " + n + ": " + t + ";" for n, t in form.fields]
        lines += ["    " + m.declaration() for m in form_methods]
        lines += ["  private", "    { Private declarations }", "  public",
                  "    { Public declarations }", "  end;", "", "var",
                  "  " + form_var + ": " + form_class + ";", ""]
    lines += [g.declaration() for g in globals_]
    lines += ["", "implementation", ""]
    if used:
        lines += ["uses", "  " + ", ".join(used) + ";", ""]
    if form:
        lines += ["{$R *.dfm}", ""]
    for routine in private_methods + methods + form_methods + globals_:
        if rng.random() < 0.15:
            lines.append("(* " + sentence(rng) + " *)")
        elif rng.random() < 0.1:
            lines.append("// " + sentence(rng))
        lines += routine.lines
        lines.append("")
    lines.append("end.")
    return lines, (form.lines if form else None), form_var, form_class


def folder_name(number):
    area = AREAS[number % len(AREAS)]
    round_ = number // len(AREAS)
    name = area + (str(round_ + 1) if round_ else "")
    return "Modules\\" + name if number % 3 == 2 else name


def write_file(path, lines):
    with open(path, "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


def generate(outdir, lines_target, units_target, seed):
    rng = random.Random(seed)
    os.makedirs(outdir, exist_ok=True)
    entries = []
    autocreate = []
    exported = {}
    total = 0
    index = 0
    while (units_target is not None and index < units_target) or \
            (units_target is None and total < lines_target):
        folder = folder_name(index // 40)
        name = rng.choice(NOUNS) + rng.choice(ROLES) + "%04d" % index
        target = int(rng.triangular(60, 1000, 150))
        if units_target is None:
            target = min(target, lines_target - total)
        with_form = rng.random() < 1 / 3
        unit_lines, form_lines, form_var, form_class = write_unit(
            rng, index, name, target, exported, with_form)
        # Later units call the routines of a window of recent units only.
        if len(exported) > 60:
            del exported[next(iter(exported))]
        os.makedirs(os.path.join(outdir, *folder.split("\\")), exist_ok=True)
        base = os.path.join(outdir, *folder.split("\\"), name)
        write_file(base + ".pas", unit_lines)
        total += len(unit_lines)
        entry = "  " + name + " in '" + folder + "\\" + name + ".pas'"
        if form_lines:
            write_file(base + ".dfm", form_lines)
            total += len(form_lines)
            entry += " {" + form_var + "}"
            if len(autocreate) < 10:
                autocreate.append("  Application.CreateForm(" + form_class + ", " + form_var + ");")
        entries.append(entry)
        index += 1
    program = ["program Corpus;", "", "uses", "  Forms,"]
    program += [e + "," for e in entries[:-1]] + [entries[-1] + ";"]
    program += ["", "{$R *.res}", "", "begin", "  Application.Initialize;"]
    program += autocreate + ["  Application.Run;", "end."]
    write_file(os.path.join(outdir, "Corpus.dpr"), program)
    return index, total + len(program)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("outdir")
    size = parser.add_mutually_exclusive_group(required=True)
    size.add_argument("--lines", type=int, help="about this many lines in all files")
    size.add_argument("--units", type=int, help="exactly this many units")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if (args.lines is not None and args.lines < 1) or (args.units is not None and args.units < 1):
        parser.error("the size must be at least 1")
    units, lines = generate(args.outdir, args.lines, args.units, args.seed)
    print("%d units, %d lines in %s" % (units, lines, args.outdir), file=sys.stderr)


if __name__ == "__main__":
    main()
