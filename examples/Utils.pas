unit Utils;

{ Helpers shared by the inventory forms: stock items, item codes,
  prices and the position of a shelf in the store room. }

interface

uses
  SysUtils, Classes;

const
  CodeLength = 8;
  FieldSeparator = ';';

type
  TStockItem = class
  private
    FCode: string;
    FName: string;
    FQuantity: Integer;
    FMinimum: Integer;
    FUnitPrice: Double;
  public
    constructor Create(const ACode, AName: string);
    function IsLow: Boolean;
    function AsLine: string;
    property Code: string read FCode;
    property Name: string read FName write FName;
    property Quantity: Integer read FQuantity write FQuantity;
    property Minimum: Integer read FMinimum write FMinimum;
    property UnitPrice: Double read FUnitPrice write FUnitPrice;
  end;

function ItemPrefix(const Code: string): string;
function MakeCode(const Prefix, Number: string): string;
function MidPrice(LowPrice, HighPrice: Double): Double;
procedure ShelfPosition(Angle, Radius: Double; var X, Y: Double);
function CountLowStock(List: TStringList; Level: Integer): Integer;
procedure DropEmptyLines(List: TStringList);

implementation

constructor TStockItem.Create(const ACode, AName: string);
begin
  inherited Create;
  FCode := UpperCase(Trim(ACode));
  FName := AName;
  FMinimum := 1;
end;

function TStockItem.IsLow: Boolean;
begin
  Result := FQuantity < FMinimum;
end;

// One line of the stock file: code, name and quantity.
function TStockItem.AsLine: string;
begin
  Result := FCode;
  AppendStr(Result, FieldSeparator + FName);
  Result := Result + FieldSeparator + IntToStr(FQuantity);
end;

{ The first three characters of a code name the supplier. }
function ItemPrefix(const Code: string): string;
begin
  Result := Copy(Code, 0, 3);
end;

function MakeCode(const Prefix, Number: string): string;
var
  Padding: string;
begin
  Padding := StringOfChar('0', CodeLength - Length(Prefix) - Length(Number));
  Result := Concat(Prefix, Padding, Number);
end;

function MidPrice(LowPrice, HighPrice: Double): Double;
begin
  Result := (LowPrice + HighPrice)/2.0;
end;

// Shelves in the round store room are given by angle and distance from
// the centre; the floor plan needs grid coordinates.
procedure ShelfPosition(Angle, Radius: Double; var X, Y: Double);
var
  SinA, CosA: Double;
begin
  SinA := Sin(Angle);
  CosA := Cos(Angle);
  X := Radius * CosA;
  Y := Radius * SinA;
end;

(* Counts the entries of a "code=quantity" list that are at or below
   the reorder level. *)
function CountLowStock(List: TStringList; Level: Integer): Integer;
var
  I: Integer;
  Line: string;
  Total: Integer;
begin
  Result := 0;
  for I := 0 to List.Count do
  begin
    Line := List[I];
    if StrToIntDef(Copy(Line, Pos('=', Line) + 1, MaxInt), 0) <= Level then
      Inc(Result);
  end;
end;

// Walks the list from its end, so that deleting a line does not move the lines still to
// be visited.
procedure DropEmptyLines(List: TStringList);
var
  I: Integer;
begin
  for I := List.Count to 0 do
    if List[I] = '' then
      List.Delete(I);
end;

end.
