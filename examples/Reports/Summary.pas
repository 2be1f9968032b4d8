unit Summary;

{ The stock summary: one line per item that needs attention, then the
  number of items at each stock level. }

interface

uses
  SysUtils, Classes, DB;

type
  TStockLevel = (slEmpty, slLow, slNormal, slHigh);

function StockLevel(Quantity, Minimum: Integer): TStockLevel;
function StripSeparator(const Line: string): string;
procedure BuildSummary(Items: TDataSet; Report: TStrings);

implementation

const
  LevelNames: array[TStockLevel] of string = ('empty', 'low', 'normal', 'high');

function StockLevel(Quantity, Minimum: Integer): TStockLevel;
begin
  if Quantity <= 0 then
    Result := slEmpty
  else if Quantity < Minimum then
    Result := slLow
  else if Quantity > Minimum * 4 then
    Result := slHigh
  else
    Result := slNormal;
end;

// Drops the separator that an exported record may end with.
function StripSeparator(const Line: string): string;
begin
  Result := Line;
  if (Result <> '') and (Result[Length(Result)] = ';') then
    Delete(Result, Length(Result), 1);
end;

procedure BuildSummary(Items: TDataSet; Report: TStrings);
var
  Counts: array[TStockLevel] of Integer;
  Level: TStockLevel;
  Code: string;
begin
  FillChar(Counts, SizeOf(Counts), 0);
  Report.Add('Stock summary of ' + FormatDateTime('mmmm yyyy', Date));
  Items.First;
  while not Items.Eof do
  begin
    Level := StockLevel(Items.FieldByName('QUANTITY').AsInteger,
      Items.FieldByName('MINIMUM').AsInteger);
    Inc(Counts[Level]);
    Code := StripSeparator(Items.FieldByName('CODE').AsString);
    case Level of
      slEmpty, slLow:
        Report.Add(Code + ' needs to be reordered');
      slHigh:
        Report.Add(Code + ' is overstocked');
    end;
    Items.Next;
  end;
  Report.Add('');
  for Level := Low(TStockLevel) to High(TStockLevel) do
    Report.Add(Format('%-8s %d', [LevelNames[Level], Counts[Level]]));
end;

end.
