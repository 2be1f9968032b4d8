program Inventory;

{ A small stock-keeping application: a list of items with their
  quantities, a dialog to count and book stock, and a summary report. }

uses
  Forms,
  MainForm in 'MainForm.pas' {frmMain},
  StockUnit in 'StockUnit.pas' {frmStock},
  Utils in 'Utils.pas',
  Summary in 'Reports\Summary.pas';

{$R *.res}

begin
  Application.Initialize;
  Application.Title := 'Inventory';
  Application.CreateForm(TfrmMain, frmMain);
  Application.CreateForm(TfrmStock, frmStock);
  Application.Run;
end.
