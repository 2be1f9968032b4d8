unit MainForm;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls, ExtCtrls, Grids, DBGrids, DB, DBTables;

type
  TfrmMain = class(TForm)
    pnlTop: TPanel;
    lblTitle: TLabel;
    btnStock: TButton;
    btnReport: TButton;
    Button1: TButton;
    grdItems: TDBGrid;
    lblStatus: TLabel;
    tblItems: TTable;
    dsItems: TDataSource;
    procedure FormCreate(Sender: TObject);
    procedure btnStockClick(Sender: TObject);
    procedure btnReportClick(Sender: TObject);
  private
    FItemCount: Integer;
    procedure UpdateStatus;
    procedure RefreshItems;
    procedure MarkBusy(Sender: TObject);
  public
    property ItemCount: Integer read FItemCount;
  end;

var
  frmMain: TfrmMain;

implementation

uses
  StockUnit, Utils, Summary;

{$R *.dfm}

procedure TfrmMain.FormCreate(Sender: TObject);
begin
  FItemCount := tblItems.RecordCount;
  UpdateStatus;
end;

// Reads the table afresh after the stock form has changed it.
procedure TfrmMain.RefreshItems;
begin
  tblItems.Close;
  tblItems.Open;
end;

procedure TfrmMain.UpdateStatus;
begin
  lblStatus.Caption := Format('%d items in %s', [FItemCount]);
end;

// A button that starts a long job says so on its caption while it runs.
procedure TfrmMain.MarkBusy(Sender: TObject);
begin
  if Sender is TButton then
    (Sender as TButton).Caption := 'Working...';
end;

procedure TfrmMain.btnStockClick(Sender: TObject);
begin
  frmStock.edtCode.Text := tblItems.FieldByName('CODE').AsString;
  if frmStock.ShowModal = mrOk then
  begin
    tblItems.Refresh;
    FItemCount := tblItems.RecordCount;
    UpdateStatus;
  end;
end;

procedure TfrmMain.btnReportClick(Sender: TObject);
var
  Report: TStringList;
  FileName: string;
begin
  MarkBusy(Sender);
  FileName := ChangeFileExt(Application.ExeName, '.txt');
  Report := TStringList.Create;
  try
    BuildSummary(tblItems, Report);
    Report.SaveToFile(FileName);
  finally
    Report.Free;
    btnReport.Caption := '&Report';
  end;
  MessageDlg('The report was written to ' + FileName + '.', mtInformation, [mbOK], 0);
end;

end.
