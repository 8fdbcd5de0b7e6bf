object Secenekler1: TSecenekler1
  BorderStyle = bsDialog
  Caption = 'Secenekler1'
  ClientWidth = 344
  ClientHeight = 232
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poScreenCenter
  OnClose = FormClose
  object SpeedButton1: TSpeedButton
    Left = 256
    Top = 200
    Width = 81
    Height = 25
    Caption = 'Tamam'
    OnClick = SpeedButton1Click
  end
  object PageControl1: TPageControl
    Left = 8
    Top = 8
    Width = 329
    Height = 185
    ActivePage = TabSheet1
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = 'Kullan'#253'c'#253' Bilgileri'
      object Label1: TLabel
        Left = 22
        Top = 20
        Caption = 'Kullan'#253'c'#253' Ad'#253':'
        FocusControl = DBEdit1
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label2: TLabel
        Left = 53
        Top = 52
        Caption = 'Parola:'
        FocusControl = DBEdit2
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label3: TLabel
        Left = 33
        Top = 84
        Caption = 'Uzun '#221'sim:'
        FocusControl = DBEdit3
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object Label6: TLabel
        Left = 46
        Top = 115
        Caption = 'E-Posta:'
        FocusControl = DBEdit6
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = [fsBold]
        ParentFont = False
      end
      object DBEdit1: TDBEdit
        Left = 97
        Top = 16
        Width = 200
        Height = 21
        DataField = 'User'
        TabOrder = 0
      end
      object DBEdit2: TDBEdit
        Left = 97
        Top = 48
        Width = 81
        Height = 21
        DataField = 'Pass'
        PasswordChar = '*'
        TabOrder = 1
      end
      object DBEdit3: TDBEdit
        Left = 97
        Top = 80
        Width = 200
        Height = 21
        DataField = 'Name'
        TabOrder = 2
      end
      object DBEdit6: TDBEdit
        Left = 97
        Top = 112
        Width = 200
        Height = 21
        DataField = 'Mail'
        TabOrder = 3
      end
    end
  end
end
