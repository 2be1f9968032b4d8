unit StockUnit;

interface

uses
  Windows, Messages, SysUtils, Classes, Controls, Forms, Dialogs, StdCtrls,
  DB, DBTables, DBCtrls, ExtCtrls;

type
  TfrmStock = class(TForm)
    lblCode: TLabel;
    lblQuantity: TLabel;
    edtCode: TEdit;
    edtQuantity: TEdit;
    btnSave: TButton;
    btnImport: TButton;
    btnRecount: TButton;
    DBNavigator1: TDBNavigator;
    tblStock: TTable;
    DataSource1: TDataSource;
    dlgOpen: TOpenDialog;
    procedure btnSaveClick(Sender: TObject);
    procedure btnImportClick(Sender: TObject);
    procedure btnRecountClick(Sender: TObject);
  private
    procedure ImportFile(const FileName: string);
  end;

var
  frmStock: TfrmStock;

implementation

uses
  Utils;

{$R *.dfm}

procedure TfrmStock.btnSaveClick(Sender: TObject);
var
  Quantity: Integer;
begin
  Quantity := StrToIntDef(edtQuantity.Text, -1);
  if Quantity < 0 then
  begin
    MessageDlg('The quantity must be a whole number of 0 or more.', mtError, [mbOK], 0);
    Exit;
  end;
  if tblStock.Locate('CODE', edtCode.Text, []) then
    tblStock.Edit
  else
  begin
    tblStock.Append;
    tblStock.FieldByName('CODE').AsString := edtCode.Text;
  end;
  tblStock.FieldByName('QUANTITY').AsInteger := Quantity;
  tblStock.Post;
  MessageDlg('Stock level saved. Print a new shelf label?', mtInformation, [mbYes], 0);
end;

{ Reads a stock file written by TStockItem.AsLine: one item per line,
  fields seperated by semicolons. }
procedure TfrmStock.ImportFile(const FileName: string);
var
  Lines: TStringList;
  I, P: Integer;
  Code, Rest: string;
begin
  Lines := TStringList.Create;
  Lines.LoadFromFile(FileName);
  for I := 0 to Lines.Count - 1 do
  begin
    Rest := Lines[I];
    P := Pos(FieldSeparator, Rest);
    if P = 0 then
      Continue;
    Code := Copy(Rest, 1, P - 1);
    Delete(Rest, 1, P);
    with tblStock do
    begin
      if not Locate('CODE', Code, []) then
        Append
      else
        Edit;
      FieldByName('CODE').AsString := Code;
      FieldByName('NAME').AsString := Copy(Rest, 1, Pos(FieldSeparator, Rest) - 1);
      Post;
    end;
  end;
end;

procedure TfrmStock.btnImportClick(Sender: TObject);
begin
  if dlgOpen.Execute then
    ImportFile(dlgOpen.FileName);
end;

procedure TfrmStock.btnRecountClick(Sender: TObject);
var
  Counted: Integer;
begin
  Screen.Cursor := crHourGlass;
  Counted := 0;
  tblStock.First;
  while not tblStock.Eof do
  begin
    if tblStock.FieldByName('QUANTITY').IsNull then
    begin
      ShowMessage('Item ' + tblStock.FieldByName('CODE').AsString + ' has not been countted');
      Exit;
    end;
    Inc(Counted);
    tblStock.Next;
  end;
  Screen.Cursor := crDefault;
  lblQuantity.Caption := IntToStr(Counted) + ' items counted';
end;

end.
